var out = "";
for (var i = 0; i < 40000; i++) {
  out += "item" + (i % 10) + ";";
}
var parts = out.split(";");
var total = 0;
for (var j = 0; j < parts.length; j++) {
  total += parts[j].length;
}
console.log(out.length, parts.length, total);
