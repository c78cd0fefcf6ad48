// The island calls the compiled entry's functions by name.
console.log(orvan.callNative('greet', { name: 'island', times: 2 }));
console.log(orvan.callNative('total', [1, 2, 3.5]));
console.log(orvan.callNative('ping'), orvan.callNative('nothing'));
try { orvan.callNative('missing', {}); } catch (e) { console.log(e.name, e.message); }
class Queue extends require('events') {}
const q = new Queue();
q.on('job', (n) => console.log('job', n, orvan.callNative('total', [n, n])));
setTimeout(() => q.emit('job', 21), 5);
Promise.resolve().then(() => console.log('island microtask'));
