// The language's syntax and built-in semantics in the engine: destructuring,
// loops and labels, closures, accessors and proxies, symbols and BigInt,
// generators and iterators.

// Destructuring with defaults and rest, spread, optional chaining and nullish coalescing.
{
  const { a, b: { c = 5, ...restB } = {}, ...rest } = { a: 1, b: { d: 2, e: 3 }, f: 4, g: 5 };
  console.log(a, c, restB, rest);
  const [x, , y = 10, ...others] = [1, 2, undefined, 4, 5];
  console.log(x, y, others);
  const merged = { ...{ p: 1 }, ...{ p: 2, q: 3 } };
  const fn = ({ name = 'anon', tags = [] } = {}, ...more) => `${name}:${tags.length}:${more.length}`;
  console.log(merged, fn(), fn({ name: 'z', tags: [1, 2] }, 1, 2));
  let m = 1, n = 2; [m, n] = [n, m]; console.log(m, n, Math.max(...[3, 9, 2]), [...'abc', ...new Set([1, 1, 2])]);
  console.log(a?.b?.c, rest?.f ?? 'none', null ?? 'dflt', 0 || 'or', 0 ?? 'nullish');
}

// Labeled break, continue, do-while, for-in and switch fall-through.
{
  const grid = [[1, 2, 3], [4, 5, 6], [7, 8, 9]];
  let found = null;
  outer: for (let i = 0; i < grid.length; i++) { for (let j = 0; j < grid[i].length; j++) { if (grid[i][j] === 5) { found = [i, j]; break outer; } } }
  console.log(found);
  let s = 0; for (let i = 0; i < 10; i++) { if (i % 2) continue; s += i; } console.log(s);
  let k = 0; do { k++; } while (k < 5); console.log(k);
  for (const key in { a: 1, b: 2 }) console.log(key);
  switch (3) { case 1: console.log('one'); case 3: console.log('three'); case 4: console.log('fall'); break; default: console.log('no'); }
}

// Closures: memoizing, per-iteration bindings, once, pipe and curry.
{
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
}

// Getters and setters, a Proxy with get and has traps, Reflect, non-enumerable properties.
{
  const temp = { _c: 20, get f() { return this._c * 9 / 5 + 32; }, set f(v) { this._c = (v - 32) * 5 / 9; } };
  temp.f = 212; console.log(temp._c, temp.f, temp);
  const logged = [];
  const p = new Proxy({ x: 1 }, { get(t, k) { logged.push(String(k)); return k in t ? t[k] : `no ${String(k)}`; }, has: () => true });
  console.log(p.x, p.y, 'z' in p, logged);
  console.log(Reflect.ownKeys({ a: 1, [Symbol('s')]: 2 }).length, Reflect.has({ q: 1 }, 'q'));
  const ro = Object.defineProperty({}, 'fixed', { value: 1, enumerable: false }); console.log(ro, ro.fixed, Object.keys(ro));
}

// BigInt arithmetic, a custom iterable, registered symbols.
{
  const big = 2n ** 64n - 1n; console.log(big, big.toString(16), BigInt.asUintN(8, 257n), typeof big, big > 1e18);
  const fact = (n) => (n <= 1n ? 1n : n * fact(n - 1n)); console.log(fact(25n));
  const iter = { from: 1, to: 3, [Symbol.iterator]() { let c = this.from, t = this.to; return { next: () => (c <= t ? { value: c++, done: false } : { value: undefined, done: true }) }; } };
  console.log([...iter], Symbol.for('app') === Symbol.for('app'), Symbol.keyFor(Symbol.for('app')));
  console.log([10n, 2n, 33n].sort((a, b) => (a < b ? -1 : 1)), 7n / 2n, -7n % 3n);
}

// Generators, yield*, values sent into a generator, and an async generator (last: it waits on timers).
{
  function* range(start, end, step = 1) { for (let i = start; i < end; i += step) yield i; }
  console.log([...range(0, 10, 3)]);
  class Tree {
    constructor(v, ...kids) { this.v = v; this.kids = kids; }
    *[Symbol.iterator]() { yield this.v; for (const k of this.kids) yield* k; }
  }
  const t = new Tree(1, new Tree(2, new Tree(3)), new Tree(4));
  console.log([...t], Math.max(...t));
  const it = range(0, 3); console.log(it.next(), it.next(), it.next(), it.next());
  function* talk() { const x = yield 'q1'; console.log('got', x); return 'end'; }
  const g = talk(); console.log(g.next().value, g.next(42));
  const entries = Object.entries({ a: 1, b: 2 })[Symbol.iterator]();
  for (const [k, v] of entries) console.log(k, v);
  async function* ticks(n) { for (let i = 0; i < n; i++) { await new Promise((r) => setTimeout(r, 1)); yield i; } }
  (async () => { const seen = []; for await (const x of ticks(3)) seen.push(x); console.log('async gen', seen); })();
}
