function kind(v) { return typeof v; }
console.log(kind(1), kind("s"), kind(null), kind(undefined), typeof notDeclaredHere);
var o = { n: 2 };
console.log(typeof o, typeof o.n, typeof kind);
