// Reading and writing named properties of a few objects in a hot loop.
var a = { count: 0, total: 0, last: 0, name: "a" };
var b = { count: 0, total: 0, last: 0, name: "b" };
for (var i = 0; i < 3000000; i++) {
  var o = i % 2 === 0 ? a : b;
  o.count = o.count + 1;
  o.total = o.total + i;
  o.last = i;
}
console.log(a.count, a.total, a.last, b.count, b.total, b.last);
