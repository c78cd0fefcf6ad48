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
  setTimeout(function () { console.log('timeout after timeout'); }, 20);
  process.nextTick(function () { console.log('tick in timeout'); });
}, 100);
var u = setTimeout(function () { console.log('unref never'); }, 100000);
u.unref();
console.log(u.hasRef());
process.on('exit', function (code) { console.log('exit', code); });
console.log('end');
