// Everyday string methods on short strings.
var acc = 0;
var s = "The quick brown fox jumps over the lazy dog";
for (var i = 0; i < 200000; i++) {
  var t = s.slice(i % 10, 30);
  acc += t.indexOf("o") + t.toUpperCase().charCodeAt(3) + t.trim().length;
  if (t.startsWith("quick")) acc++;
  acc += s.substring(4, 9).length + s.charAt(i % 40).length;
}
console.log(acc);
