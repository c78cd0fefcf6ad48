// Timers, immediates and nextTick in Node's order; extra timer arguments, clear, unref.
console.log('start');
setImmediate(function () { console.log('immediate'); });
process.nextTick(function () { console.log('tick 1'); });
process.nextTick(function (a, b) { console.log('tick args', a, b); }, 'x', 2);
setTimeout(function (a) { console.log('timeout arg', a); }, 1500, 'hello');
var t = setTimeout(function () { console.log('never'); }, 1);
clearTimeout(t);
var im = setImmediate(function () { console.log('never immediate'); });
clearImmediate(im);
setTimeout(function () {
  console.log('in timeout');
  setImmediate(function () { console.log('immediate after timeout'); });
  setTimeout(function () { console.log('timeout after timeout'); slowTimeout(); }, 0);
  process.nextTick(function () { console.log('tick in timeout'); });
}, 100);
var u = setTimeout(function () { console.log('unref never'); }, 100000);
u.unref();
console.log(u.hasRef());
process.on('exit', function (code) { console.log('exit', code); });
console.log('end');

// A timer callback that works a while: what it sets waits for a later turn,
// after the immediates it sets, however late the clock has got meanwhile.
var depth = 0;
function busy(ms) {
  var start = Date.now();
  while (Date.now() - start < ms) {
    // the clock moves on while the callback runs
  }
}
function slowTimeout() {
  depth = depth + 1;
  console.log('slow timeout', depth);
  setTimeout(function () { console.log('1 ms timeout set before the work', depth); }, 1);
  busy(10);
  setTimeout(function () { console.log('0 ms timeout', depth); }, 0);
  setTimeout(function () {
    console.log('second 0 ms timeout', depth);
    if (depth < 3) slowTimeout();
    else slowInterval();
  }, 0);
  setImmediate(function () { console.log('immediate', depth); });
  process.nextTick(function () { console.log('tick in slow timeout', depth); });
}
// An interval re-armed before its slow callback runs is not run again in the same turn.
var runs = 0;
var slowIv;
function slowInterval() {
  slowIv = setInterval(function () {
    runs = runs + 1;
    console.log('interval', runs);
    busy(10);
    setImmediate(function () { console.log('immediate after interval', runs); });
    if (runs === 3) {
      clearInterval(slowIv);
      setTimeout(function () { console.log('after the interval'); }, 0);
    }
  }, 1);
}
