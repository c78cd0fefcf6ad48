// A script: block scopes, shadowing, patterns in every position, update
// expressions on top-level and global names, loops the lowering rewrites.
var top = 0;
let shared = 1;
globalName++;
top++;
shared--;
for (let i = 0; i < 3; i++) { const copy = i; setTimeout(() => top + copy + i); }
for (const [key, { value = 2 } = {}] of [["a", {}], ["b", { value: 3 }]]) shared += value + key.length;
for (const ch of "text") top += ch.length;
for (const item of new Set([1, 2])) top += item;
function shadow(top, { shared = top, ...others } = {}, [first, , third] = [], ...rest) {
  let result = top;
  { let top = shared; result += top; }
  switch (result) {
    case 1: { let inner = first; result += inner; break; }
    default: { const inner = third; result += inner ?? 0; }
  }
  try { throw others; } catch ({ message = "none" }) { result += message; }
  try { result++; } catch { result--; } finally { result += rest.length; }
  return () => result + arguments.length;
}
class Shape {
  static count = 0;
  constructor(sides = 3) { this.sides = sides; Shape.count++; }
  area = () => this.sides * 2;
  *[Symbol.iterator]() { for (let side = 0; side < this.sides; side++) yield side; }
}
class Square extends Shape {
  constructor() { super(4); }
  describe() { return `${super.toString()} with ${[...this].length} sides`; }
}
const fns = [];
outer: for (let row = 0; row < 3; row++) {
  for (let col = 0; col < 3; col++) {
    if (col > row) continue outer;
    fns.push(function () { return row * col; });
  }
}
const { a = 1, b: { c } = { c: 2 }, ...restOfObject } = { d: 4 };
let [x = 1, [y] = [2], ...z] = [];
[x, y] = [y, x];
const spreadCall = Math.max(...[1, 2, 3], ...z);
const optional = restOfObject?.d?.toString?.() ?? `none ${a}`;
new Square().describe(), shadow(1, { shared: 2 }, [3, 4, 5], 6)();
async function waits() { for (const p of [Promise.resolve(1)]) top += await p; }
waits();
console.log(top, shared, fns.length, c, x, y, spreadCall, optional, 2 ** 10);
