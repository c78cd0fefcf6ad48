// Timers and immediates given something other than a function throw Node's
// coded TypeError, and odd delays and arguments still run in Node's order.
function attempt(label, f) {
  try {
    f();
  } catch (e) {
    console.log(label, e.name, e.code, e.message);
  }
}
attempt('string', function () { setTimeout('code', 1); });
attempt('missing', function () { setImmediate(); });
attempt('number', function () { setInterval(5, 5); });
attempt('object', function () { setTimeout({ a: 1 }); });
setTimeout(function (a, b) { console.log('negative delay', a, b); }, -5, 'x', 'y');
setTimeout(function () { console.log('nan delay'); }, NaN);
setTimeout(function () { console.log('string delay'); }, '10');
clearTimeout(undefined);
clearTimeout(null);
