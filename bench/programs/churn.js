// Objects, strings and arrays made and dropped together, as a request handler would.
var totalLen = 0;
var kept = JSON.parse("[]");
for (var i = 0; i < 200000; i++) {
  var rec = { id: i, tag: "r" + (i % 100), items: JSON.parse("[]") };
  rec.items.push(i, i + 1, i + 2);
  rec.items.push(rec.id * 2);
  var text = rec.tag + ":" + rec.items.join(",");
  totalLen += text.length;
  if (i % 1000 === 0) kept.push(rec);
  if (kept.length > 50) kept.shift();
}
console.log(totalLen, kept.length, kept[0].tag);
