function memoize(fn) { const cache = new Map(); return (n) => (cache.has(n) ? cache.get(n) : (cache.set(n, fn(n)), cache.get(n))); }
const fib = memoize((n) => (n < 2 ? n : fib(n - 1) + fib(n - 2)));
console.log(fib(80), [10, 20, 30].map(fib));
const adders = []; for (let i = 0; i < 3; i++) adders.push((x) => x + i);
console.log(adders.map((f) => f(10)));
function once(fn) { let done = false, r; return (...a) => (done ? r : ((done = true), (r = fn(...a)))); }
const init = once(() => { console.log('init ran'); return 7; }); console.log(init(), init());
const pipe = (...fns) => (x) => fns.reduce((v, f) => f(v), x);
console.log(pipe((x) => x + 1, (x) => x * 2, String)(4));
function debounceSim() { let calls = 0; return { call: () => ++calls, get calls() { return calls; } }; }
const ds = debounceSim(); ds.call(); ds.call(); console.log(ds.calls);
const curry = (f) => (a) => (b) => f(a, b); console.log(curry(Math.pow)(2)(10));
