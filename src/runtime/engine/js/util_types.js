// util/types: the same predicates as util.types.
(function (native, internal, module, exports) {
'use strict';
module.exports = internal.require('util').types;
})
