// stream/promises: the promise forms of pipeline and finished.
(function (native, internal, module, exports) {
'use strict';
module.exports = internal.require('stream').promises;
})
