// Splitting text into words and counting them in an object used as a map.
var words = "alpha beta gamma delta epsilon zeta eta theta iota kappa".split(" ");
var line = "";
for (var i = 0; i < 200; i++) line += words[(i * 7) % words.length] + (i % 3 === 0 ? ", " : " ");
var counts = {};
for (var round = 0; round < 400; round++) {
  var parts = line.split(" ");
  for (var k = 0; k < parts.length; k++) {
    var w = parts[k].toLowerCase().replace(",", "");
    if (w.length === 0) continue;
    counts[w] = (counts[w] || 0) + 1;
  }
}
var keys = Object.keys(counts);
var out = JSON.parse("[]");
for (var j = 0; j < keys.length; j++) out.push(keys[j] + "=" + counts[keys[j]]);
console.log(out.join(" "));
