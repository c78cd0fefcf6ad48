var a = (1, 2, 3);
console.log(a);
var x = 0;
var y = 0;
for (var i = 0; i < 3; i++, x += 2) {
  y = y + x;
}
console.log(x, y);
