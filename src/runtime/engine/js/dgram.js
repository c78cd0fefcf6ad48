// dgram: not available to programs in the engine yet; every member reports so.
(function (native, internal, module, exports) {
'use strict';
module.exports = internal.pending('dgram');
})
