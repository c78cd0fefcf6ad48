var out = "";
for (var i = 0; i < 10; i++) {
  if (i % 2 === 0) continue;
  if (i > 7) break;
  out += i;
}
console.log(out);
var rows = 0;
for (var r = 0; r < 5; r++) {
  for (var c = 0; c < 5; c++) {
    if (c > r) break;
    rows++;
  }
}
console.log(rows);
