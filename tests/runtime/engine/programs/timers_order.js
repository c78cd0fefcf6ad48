const order = [];
setTimeout(() => order.push('t10'), 10);
setTimeout(() => order.push('t1'), 1);
// The report is armed by the interval's last tick, so a loaded machine that runs
// several due timers in one turn still reports after all of them.
const report = () => { console.log(order.filter((x) => x !== 't1' && x !== 'iv')); console.log(order.filter((x) => x === 'iv').length); };
const iv = setInterval(() => { order.push('iv'); if (order.filter((x) => x === 'iv').length === 3) { clearInterval(iv); setTimeout(report, 20); } }, 3);
const cancelled = setTimeout(() => order.push('never'), 2); clearTimeout(cancelled);
Promise.resolve().then(() => order.push('micro'));
process.nextTick(() => order.push('tick'));
const t = setTimeout(() => {}, 1000); console.log(typeof t.ref, typeof t.unref, t.hasRef()); clearTimeout(t);
