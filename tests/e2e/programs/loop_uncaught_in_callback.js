// An error thrown inside a timer callback is uncaught: exit status 1, and
// nothing queued after it runs.
setTimeout(function () {
  console.log('first');
  throw Error('from a timer');
}, 1);
setTimeout(function () { console.log('never'); }, 30);
process.nextTick(function () { console.log('tick'); });
console.log('main');
