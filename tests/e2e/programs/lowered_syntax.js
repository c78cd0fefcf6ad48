// Newer syntax that the front end lowers before compiling, in small cases:
// the lowering's block scopes, patterns and update expressions must keep what
// node prints.

// update expressions: top-level names, shadowed names, members
var hits = 0;
let total = 10;
for (let i = 0; i < 3; i++) { hits++; total--; }
function bump() { var hits = 100; hits++; return hits; }
const box = { n: 1 };
box.n++;
++box.n;
console.log(hits, total, bump(), box.n);

// block scopes: shadowing in blocks, loops and switch cases
let shade = "outer";
{ let shade = "inner"; console.log(shade); }
console.log(shade);
let sum = 0;
for (let k = 0; k < 3; k++) { const k2 = k * 2; let sum = k2; sum += 1; }
for (let k = 0; k < 3; k++) { sum += k; }
console.log(sum);
function pick(tag) {
  switch (tag) {
    case "a": { const word = "apple"; return word; }
    case "b": { const word = "banana"; return word; }
    default: { const word = "none"; return word; }
  }
}
console.log(pick("a"), pick("b"), pick("c"));

// patterns: parameters with defaults, declarations, nested
function area({ w = 1, h = 2 } = {}) { return w * h; }
function firstOf(list) { const [head, second = "s"] = list; return head + second; }
function patterns() {
  const [one, two, three = "t"] = JSON.parse("[1, 2]");
  const { p: { q: deep } = { q: "dq" }, r } = { r: 7 };
  console.log(area(), area({ w: 3 }), firstOf(JSON.parse('["h"]')), one, two, three, deep, r);
  const arrow = (x, y = x + 1) => x * y;
  console.log(arrow(2), arrow(2, 5), `${one}-${three}`);
}
patterns();

// labels and nested loops with block-scoped names
outer: for (let i = 0; i < 3; i++) {
  for (let j = 0; j < 3; j++) {
    if (j === 1) continue outer;
    if (i === 2) break outer;
    console.log("cell " + i + "," + j);
  }
}
