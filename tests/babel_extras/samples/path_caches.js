// A node's child paths are found again by node, in a short list while a node
// has few children and in a Map once it has many. Lowering replaces, inserts
// and removes siblings in both: lists that grow past sixteen children while
// being walked (loop closures hoisted before their loop, declarations split in
// several, defaults turned into statements at the top of a body), and
// replacements that keep the same node or swap in a new one.
const names = ["a", "b", "c"];
let total = 0;
for (let i = 0; i < names.length; i++) setTimeout(() => { total += i; }, 0);
const [first, second = "none", ...others] = names;
const { length, 0: zero } = names;
let { a = 1, b: { c } = { c: 2 } } = {};
var x1 = 1, x2 = 2, [x3, x4] = [3, 4];
class Point { constructor(x = 0, y = x) { this.x = x; this.y = y; } sum() { return this.x + this.y; } }
for (const name of names) { const upper = name.toUpperCase(); setTimeout(() => total += upper.length, 0); }
const square = (n) => n ** 2;
let counter = 0;
counter++;
++counter;
counter **= 2;
const text = `${first}-${second}-${others.length}`;
const spread = [...names, ...others];
function defaults(p = 1, { q = p, r } = {}, [s = q] = [], ...rest) {
  let u1 = p, u2 = q, u3 = r, u4 = s;
  for (let j = 0; j < 2; j++) rest.push(() => j + u1 + u2);
  const v1 = 1, v2 = 2, v3 = 3, v4 = 4, v5 = 5, v6 = 6, v7 = 7, v8 = 8, v9 = 9;
  { let u1 = v1 + v2; rest.push(u1); }
  const [w1, w2] = [v3, v4], { w3 = v5 } = {};
  class Inner extends Point { sum() { return super.sum() + w1 + w2 + w3; } }
  rest.push(new Inner(v6, v7).sum(), v8, v9, u3, u4);
  return rest.map((f) => (typeof f === "function" ? f() : f));
}
const results = defaults(undefined, { r: 3 });
const point = new Point(1);
label: for (let k = 0; k < 3; k++) { if (k === 1) continue label; setTimeout(() => total += k, 0); }
setTimeout(() => console.log(total, first, second, others, length, zero, a, c, x1, x2, x3, x4, square(3), counter, text, spread, results, point.sum()), 10);
