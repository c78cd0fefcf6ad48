// process 'uncaughtException' and 'unhandledRejection' listeners keep a
// program going; promise states as util.inspect shows them; unreferenced
// timers that do not keep the program alive; a listener that throws ends
// the program with status 7.
const util = require('util');

let settle;
const later = new Promise((resolve) => { settle = resolve; });
const rejectedWithText = Promise.reject('plain reason');
rejectedWithText.catch(() => {});
const nested = Promise.resolve({ list: [1, 2], inner: Promise.resolve(3) });
const failed = Promise.reject(Object.assign(new RangeError('out of range'), { stack: 'RangeError: out of range' }));
failed.catch(() => {});
console.log(Promise.resolve(1), later, rejectedWithText);
console.log(util.inspect(nested), [Promise.resolve('in array')]);
console.log(util.inspect(failed));
console.log({ pending: new Promise(() => {}), resolved: Promise.resolve(undefined) });
(async () => 42)().then((v) => console.log('async gave', v));

// An unreferenced timer never holds the program open; hasRef tells.
const far = setTimeout(() => console.log('never printed'), 60000);
far.unref();
const ticking = setInterval(() => console.log('never printed either'), 60000).unref();
console.log('hasRef:', far.hasRef(), ticking.hasRef(), setTimeout(() => {}, 1).hasRef());

const seen = [];
process.on('uncaughtException', (err, origin) => {
  seen.push(err.message);
  console.log('caught', origin, err.name, err.message);
});
process.on('unhandledRejection', (reason, promise) => {
  console.log('unhandled', reason instanceof Error ? reason.message : reason, promise instanceof Promise);
});

// Each step runs on its own timer, scheduled once the one before is over.
const steps = [
  () => { throw new TypeError('thrown in a timer'); },
  () => {
    console.log('the program went on after', seen.length, 'errors');
    settle('done');
    Promise.reject(new Error('nobody waits for this'));
  },
  () => {
    console.log('later settled:', later);
    setImmediate(() => { throw new Error('thrown in an immediate'); });
  },
  () => {
    setTimeout(() => console.log('an unreferenced timer still fires'), 0).unref();
    const near = setTimeout(() => console.log('a timer referenced again fires'), 0);
    near.unref();
    near.ref();
  },
  () => {
    process.removeAllListeners('unhandledRejection');
    // Without an unhandledRejection listener the rejection is uncaught.
    Promise.reject(new Error('rejection as uncaught'));
  },
  () => {
    process.removeAllListeners('uncaughtException');
    process.on('exit', (code) => console.log('exit code', code));
    process.on('uncaughtException', (err) => {
      console.log('last listener sees', err.message);
      throw new Error('the listener fails');
    });
    throw new Error('final error');
  },
];
function run() {
  const step = steps.shift();
  try {
    step();
  } finally {
    if (steps.length > 0) setTimeout(run, 1);
  }
}
setTimeout(run, 1);
throw new Error('thrown by the main module');
