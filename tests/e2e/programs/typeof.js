// undeclared
function kind(v) { return typeof v; }
console.log(kind(1), kind("s"), kind(null), kind(undefined), typeof notDeclaredHere);
var o = { n: 2 };
console.log(typeof o, typeof o.n, typeof kind);

// values
console.log(typeof 1, typeof "s", typeof true, typeof undefined);
console.log(typeof null, typeof {}, typeof JSON.parse("[]"), typeof console.log);
console.log(Array.isArray(JSON.parse("[]")), Array.isArray({}));
var u;
console.log(u === undefined, typeof u === "undefined");
