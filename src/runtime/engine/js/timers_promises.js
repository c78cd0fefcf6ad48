// timers/promises: promise forms of the timers.
(function (native, internal, module, exports) {
'use strict';
exports.setTimeout = (ms, value) => new Promise((resolve) => internal.timers.setTimeout(() => resolve(value), ms));
exports.setImmediate = (value) => new Promise((resolve) => internal.timers.setImmediate(() => resolve(value)));
exports.setInterval = async function* (ms, value) {
  for (;;) { await exports.setTimeout(ms); yield value; }
};
exports.scheduler = { wait: (ms) => exports.setTimeout(ms) };
})
