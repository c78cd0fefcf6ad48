const order = [];
setTimeout(() => order.push('t10'), 10);
setTimeout(() => order.push('t1'), 1);
// The report is armed by the interval's last tick, so a loaded machine that runs
// several due timers in one turn still reports after all of them.
const report = () => { console.log(order.filter((x) => x !== 't1' && x !== 'iv')); console.log(order.filter((x) => x === 'iv').length); slowTimeout(1); };
const iv = setInterval(() => { order.push('iv'); if (order.filter((x) => x === 'iv').length === 3) { clearInterval(iv); setTimeout(report, 20); } }, 3);
const cancelled = setTimeout(() => order.push('never'), 2); clearTimeout(cancelled);
Promise.resolve().then(() => order.push('micro'));
process.nextTick(() => order.push('tick'));
const t = setTimeout(() => {}, 1000); console.log(typeof t.ref, typeof t.unref, t.hasRef()); clearTimeout(t);

// A slow timer callback: the 0 ms timer it sets runs on a later turn, after
// the immediate it sets; so does an interval re-armed before its slow callback.
const busy = (ms) => { const start = Date.now(); while (Date.now() - start < ms) { /* the clock moves on */ } };
function slowTimeout(depth) {
  console.log('slow timeout', depth);
  setTimeout(() => console.log('1 ms timeout set before the work', depth), 1);
  busy(10);
  setTimeout(() => console.log('0 ms timeout', depth), 0);
  setTimeout(() => { console.log('second 0 ms timeout', depth); if (depth < 3) slowTimeout(depth + 1); else slowInterval(); }, 0);
  setImmediate(() => console.log('immediate', depth));
  Promise.resolve().then(() => console.log('microtask', depth));
}
function slowInterval() {
  let n = 0;
  const iv2 = setInterval(() => {
    n++;
    console.log('interval', n);
    busy(10);
    setImmediate(() => console.log('immediate after interval', n));
    if (n === 3) { clearInterval(iv2); setTimeout(() => console.log('after the interval'), 0); }
  }, 1);
}
