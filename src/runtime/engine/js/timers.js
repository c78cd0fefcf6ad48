// timers: the same functions as the globals.
(function (native, internal, module, exports) {
'use strict';
Object.assign(exports, internal.timers);
})
