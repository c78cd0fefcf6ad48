var doc = { name: "bench", values: JSON.parse("[1,2,3,4,5,6,7,8,9,10]"), nested: { flag: true, text: "hello world" } };
var size = 0;
for (var i = 0; i < 100000; i++) {
  var text = JSON.stringify(doc);
  var back = JSON.parse(text);
  back.nested.count = i;
  size += text.length;
  doc = back;
}
console.log(size, doc.nested.count);
