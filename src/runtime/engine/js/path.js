// path: the runtime's own POSIX path functions, shared with compiled code.
(function (native, internal, module, exports) {
'use strict';
const p = native.compiledModule('path');
const path = {};
for (const name of ['join', 'resolve', 'normalize', 'isAbsolute', 'dirname', 'basename', 'extname', 'relative', 'parse', 'format']) {
  const fn = p[name];
  path[name] = function (...args) { return fn(...args); };
  Object.defineProperty(path[name], 'name', { value: name });
}
path.sep = '/';
path.delimiter = ':';
path.toNamespacedPath = (x) => x;
path.posix = path;
path.win32 = path;
module.exports = path;
})
