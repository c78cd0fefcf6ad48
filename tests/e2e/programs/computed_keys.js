// Objects read and written by keys computed at run time, as maps are.

function show(label, o) {
  console.log(label, JSON.stringify(o), Object.keys(o).join("|"));
}

// Counting words: the key text comes from a fresh string each time.
(function () {
  var text = "b a, c b a b, a c d";
  var counts = {};
  for (var round = 0; round < 3; round++) {
    var parts = text.split(" ");
    for (var i = 0; i < parts.length; i++) {
      var w = parts[i].replace(",", "");
      counts[w] = (counts[w] || 0) + 1;
    }
  }
  show("counts", counts);
})();

// The same key text from strings made in different ways reaches one property.
(function () {
  var o = {};
  o["ab" + "cd"] = 1;
  o["a,b,c,d".split(",").join("")] = o["abcd"] + 1;
  o[String.fromCharCode(97, 98, 99, 100)] += 10;
  o["xabcdx".slice(1, 5)] *= 2;
  o["ABCD".toLowerCase()] -= 1;
  var joined = "ab";
  joined += "cd";
  console.log(o.abcd, o[joined], Object.keys(o).length);
})();

// Keys that look like indices, and ones that only nearly do.
(function () {
  var o = {};
  var keys = "0|01|-0|1|1.5|4294967295|4294967294| 2|2".split("|");
  for (var i = 0; i < keys.length; i++) o[keys[i]] = i;
  show("indexlike", o);
  console.log(o[0], o["0"], o[1], o[-0], o["-0"], o[1.5], o[2], o["01"], o[4294967295]);
  var a = JSON.parse("[10, 20, 30]");
  console.log(a["1"], a["01"], a["-0"], a["length"], a["2"]);
  a["5"] = 60;
  console.log(a.length, JSON.stringify(a));
})();

// Numbers as keys: their text is the key.
(function () {
  var o = {};
  o[1] = "one";
  o[1.5] = "one and a half";
  o[-1] = "minus one";
  o[1e21] = "big";
  o[NaN] = "nan";
  o[0.1 + 0.2] = "sum";
  show("numbers", o);
  console.log(o["1"], o["1.5"], o["-1"], o["1e+21"], o["NaN"], o["0.30000000000000004"]);
})();

// "length" as a computed key.
(function () {
  var k1 = "len" + "gth";
  var o = {};
  o[k1] = 3;
  console.log(o.length, o[k1], Object.keys(o).join());
  var s = "hello";
  console.log(s[k1], "1,2".split(",")[k1]);
})();

// A key deleted and added again goes to the end of the order.
(function () {
  var o = {};
  var names = "xyz".split("");
  for (var i = 0; i < names.length; i++) o[names[i]] = i;
  for (var round = 0; round < 3; round++) {
    var k = names[round % 3];
    console.log("read", o[k]);
    delete o[k];
    console.log("gone", o[k], k in o);
    o[k] = round * 10;
    show("readded", o);
  }
})();

// Many keys: the object changes how it keeps them, and reads stay right.
(function () {
  var o = {};
  for (var i = 0; i < 60; i++) o["key" + i] = i;
  var sum = 0;
  for (var round = 0; round < 3; round++)
    for (var j = 59; j >= 0; j--) sum += o["key" + j];
  console.log("sum", sum, Object.keys(o).length, o.key0, o.key59, o["key" + 60]);
  for (var k = 0; k < 60; k += 2) delete o["key" + k];
  for (var m = 0; m < 60; m++) o["key" + m] = (o["key" + m] || 0) + 1;
  console.log(Object.keys(o).slice(0, 5).join(), Object.keys(o).slice(-3).join(), o.key1, o.key2);
})();

// Keys of non-ASCII text, and long keys with equal ends.
(function () {
  var o = {};
  var keys = "é|e\u0301|日本|日本語|😀|a😀b|ß".split("|");
  for (var round = 0; round < 2; round++)
    for (var i = 0; i < keys.length; i++) o[keys[i]] = (o[keys[i]] || 0) + i + 1;
  show("unicode", o);
  console.log(o["\u00e9"], o["日" + "本"], o["\ud83d\ude00"]);
  var long = {};
  var a = "abcdefghijklmnop-1-qrstuvwxyz", b = "abcdefghijklmnop-2-qrstuvwxyz";
  long[a] = 1;
  long[b] = 2;
  long[a.slice(0, 17) + "1-qrstuvwxyz"] += 10;
  console.log(long[a], long[b], long[a.slice(0, 16)], Object.keys(long).length);
  var near = {};
  var ks = "abcd abce bbcd abcdefgh abcdefgi abcdXfgh abcdefghijklmnoq abcdefghijklmnop".split(" ");
  for (var r = 0; r < 3; r++) for (var n = 0; n < ks.length; n++) near[ks[n]] = (near[ks[n]] || 0) + n;
  show("near", near);
})();

// One key on objects of different layouts, and on values that are not plain objects.
(function () {
  var key = "v" + "al";
  var objs = JSON.parse("[]");
  objs.push({ val: 1 }, { a: 0, val: 2 }, { b: 0, c: 0, val: 3 }, {});
  var total = 0;
  for (var round = 0; round < 4; round++)
    for (var i = 0; i < objs.length; i++) total += objs[i][key] || 0;
  console.log("total", total);
  var fn = function () {};
  fn[key] = 7;
  console.log(fn[key], "str"[key]);
  try {
    var missing;
    missing[key] = 1;
  } catch (e) {
    console.log(e.name, e.message);
  }
})();
