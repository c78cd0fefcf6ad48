// fs/promises: the promise forms of fs.
(function (native, internal, module, exports) {
'use strict';
module.exports = internal.require('fs').promises;
})
