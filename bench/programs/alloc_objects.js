// Many short-lived small objects: allocation and release per object.
var total = 0;
for (var i = 0; i < 2000000; i++) {
  var p = { x: i, y: i * 2 };
  var q = { x: p.y, y: p.x, next: p };
  total += q.x - q.next.x;
}
console.log(total);
