// A member assignment yields the value it stores, not the object.
const o = { a: 1, b: 2 };
o.a = o.b = 0;
console.log(o.a, o.b);
let x = (o.k = 5);
console.log(x, o.k);
let left = 3;
function next() {
  return left > 0 ? left-- : null;
}
let seen = "";
while ((o.item = next())) seen += o.item;
console.log(seen, o.item);
const cfg = {};
const port = cfg.port = cfg.fallback = 8080;
console.log(port, cfg);
console.log((o["key"] = "v"), (o.n += 2, o.n), (o.m = undefined));
