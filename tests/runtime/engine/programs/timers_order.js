const order = [];
setTimeout(() => order.push('t10'), 10);
setTimeout(() => order.push('t1'), 1);
const iv = setInterval(() => { order.push('iv'); if (order.filter((x) => x === 'iv').length === 3) clearInterval(iv); }, 3);
const cancelled = setTimeout(() => order.push('never'), 2); clearTimeout(cancelled);
Promise.resolve().then(() => order.push('micro'));
process.nextTick(() => order.push('tick'));
setTimeout(() => { console.log(order.filter((x) => x !== 't1' && x !== 'iv')); console.log(order.filter((x) => x === 'iv').length); }, 50);
const t = setTimeout(() => {}, 1000); console.log(typeof t.ref, typeof t.unref, t.hasRef()); clearTimeout(t);
