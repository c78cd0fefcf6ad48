// os: the runtime's own os functions, plus the constants Node programs read.
(function (native, internal, module, exports) {
'use strict';
const o = native.compiledModule('os');
for (const name of Object.keys(o)) {
  const fn = o[name];
  if (typeof fn === 'function') exports[name] = function (...args) { return fn(...args); };
}
exports.EOL = '\n';
exports.devNull = '/dev/null';
exports.endianness = () => 'LE';
exports.release = exports.release || (() => '');
exports.totalmem = exports.totalmem || (() => 0);
exports.freemem = exports.freemem || (() => 0);
exports.loadavg = exports.loadavg || (() => [0, 0, 0]);
exports.uptime = exports.uptime || (() => 0);
exports.networkInterfaces = exports.networkInterfaces || (() => ({}));
exports.userInfo = exports.userInfo || (() => ({ username: process.env.USER || '', uid: process.getuid(), gid: process.getgid(), shell: process.env.SHELL || null, homedir: exports.homedir() }));
exports.availableParallelism = () => (exports.cpus ? exports.cpus().length : 1);
exports.constants = { signals: { SIGHUP: 1, SIGINT: 2, SIGQUIT: 3, SIGKILL: 9, SIGTERM: 15, SIGUSR1: 10, SIGUSR2: 12 }, errno: {} };
})
