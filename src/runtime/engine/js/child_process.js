// child_process: the runtime's own execSync, shared with compiled code.
(function (native, internal, module, exports) {
'use strict';
const c = native.compiledModule('child_process');
const { Buffer } = internal.require('buffer');
exports.execSync = function execSync(command, options) {
  const out = c.execSync(command, options);
  if (typeof out === 'string') return out;
  return Buffer.from(out);
};
for (const name of ['exec', 'execFile', 'spawn', 'fork', 'spawnSync', 'execFileSync']) {
  if (exports[name] === undefined) {
    exports[name] = c[name] ? function (...args) { return c[name](...args); } : function () {
      throw new Error(`orvan: child_process.${name} is not supported`);
    };
  }
}
})
