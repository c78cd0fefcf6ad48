// assert/strict: assert in strict mode.
(function (native, internal, module, exports) {
'use strict';
module.exports = internal.require('assert').strict;
})
