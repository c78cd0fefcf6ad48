var out = "";
for (var i = 0; i < 10; i++) {
  out += String(i);
}
console.log(out);
var line = "";
var i2 = 0;
while (line.length < 20) {
  line = line + "ab";
  i2++;
}
console.log(line, i2);
