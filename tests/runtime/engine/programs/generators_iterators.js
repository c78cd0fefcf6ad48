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
