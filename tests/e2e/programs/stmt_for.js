for (var i = 0; i < 3; i++) {
  console.log("i", i);
}
var j = 10;
for (; j > 7; j--) {
  console.log("j", j);
}
var count = 0;
for (var a = 0, b = 10; a < b; a++, b--) {
  count++;
}
console.log(count);
for (var k = 0; ; k++) {
  if (k === 4) break;
}
console.log(k);
