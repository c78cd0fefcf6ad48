var text = "the quick brown fox jumps over the lazy dog the end";
var words = text.split(" ");
var counts = {};
for (var i = 0; i < words.length; i++) {
  var w = words[i];
  if (counts.hasOwnProperty(w)) counts[w] = counts[w] + 1;
  else counts[w] = 1;
}
var keys = Object.keys(counts).sort();
for (var k = 0; k < keys.length; k++) {
  console.log(keys[k], counts[keys[k]]);
}
