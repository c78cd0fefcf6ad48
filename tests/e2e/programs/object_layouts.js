// Objects built alike share their key layout; each must still behave as its own.

// built the same way, then one diverges
function make(i) {
  return { id: i, name: "n" + i, tags: i % 2 };
}
var a = make(1);
var b = make(2);
b.extra = true;
delete a.name;
a.name = "back";
console.log(JSON.stringify(a), JSON.stringify(b));
console.log(Object.keys(a).join(","), Object.keys(b).join(","));
console.log(a.name, b.name, a.extra, b.extra, "extra" in a, "extra" in b);
var c = make(3);
console.log(JSON.stringify(c), c.name, c.extra);

// the same key read at one place from objects laid out differently
var shapes = JSON.parse("[]");
shapes.push({ k: 1 }, { j: 0, k: 2 }, { i: 0, j: 0, k: 3 }, { k: 4, i: 0 }, {});
var seen = JSON.parse("[]");
for (var round = 0; round < 3; round++) {
  for (var s = 0; s < shapes.length; s++) seen.push(shapes[s].k);
}
console.log(seen.join(" "));

// the same key written at one place, new or already there
var made = JSON.parse("[]");
for (var w = 0; w < 4; w++) {
  var o = w % 2 ? { v: 0 } : {};
  o.v = w;
  o.w = w * 2;
  made.push(o);
}
console.log(JSON.stringify(made));

// integer keys go first in ascending order, whenever they arrive
var mixed = { b: 1, a: 2 };
mixed[10] = "ten";
mixed.c = 3;
mixed[2] = "two";
mixed["01"] = "not an index";
var twin = { b: 1, a: 2 };
twin.c = 3;
console.log(Object.keys(mixed).join(","), Object.keys(twin).join(","));
console.log(JSON.stringify(mixed));
console.log(mixed);

// deletes at the front, middle and end, then reuse
var d = { p: 1, q: 2, r: 3, s: 4, t: 5 };
delete d.p;
delete d.r;
delete d.t;
d.p = "again";
console.log(JSON.stringify(d), d.q, d.s, d.r, Object.entries(d).length);
var e = { p: 1, q: 2, r: 3, s: 4, t: 5 };
console.log(JSON.stringify(e));

// many keys, then deletes among them
var big = {};
for (var n = 0; n < 40; n++) big["key" + n] = n;
for (var n = 0; n < 40; n += 3) delete big["key" + n];
big.key0 = "first back";
var total = 0;
for (var n = 0; n < 40; n++) if (big["key" + n] !== undefined && n) total += big["key" + n];
console.log(Object.keys(big).length, total, big.key0, big.key1, big.key3, Object.keys(big).slice(0, 4).join(","));

// a key per record: far more layouts than are ever shared
var records = JSON.parse("[]");
for (var r = 0; r < 6000; r++) {
  var rec = {};
  rec["id" + r] = r;
  rec.kind = r % 3;
  records.push(rec);
}
var kinds = 0;
for (var r = 0; r < records.length; r++) kinds += records[r].kind + records[r]["id" + r] - r;
console.log(kinds, JSON.stringify(records[5999]), Object.keys(records[4242]).join(","));

// copies and merges keep key order
var merged = Object.assign({}, { z: 1, y: 2 }, { x: 3, z: 4 });
console.log(JSON.stringify(merged), Object.keys(merged).join(","));
var parsed = JSON.parse('{"b":1,"a":{"d":2,"c":3},"3":"x"}');
parsed.a.e = 4;
console.log(JSON.stringify(parsed), parsed.a.c);

// errors keep their message and name apart from the enumerable keys
try {
  null.x;
} catch (err) {
  err.code = "E_BAD";
  console.log(err instanceof TypeError, err.message, err.name, err.code);
  console.log(Object.keys(err).join(","), JSON.stringify(err));
}

// values replaced and dropped while their objects live on
var holder = { item: { deep: JSON.parse("[1,2,3]") }, other: "o" };
var keep = holder.item;
holder.item = null;
delete holder.other;
console.log(keep.deep.length, JSON.stringify(holder));

// objects parsed deep enough to be built on another stack, then used here
var text = "";
for (var depth = 0; depth < 3000; depth++) text += '{"down":';
text += '{"v":1,"w":2}';
for (var depth = 0; depth < 3000; depth++) text += ',"up":' + depth + "}";
var node = JSON.parse(text);
var levels = 0;
while (node.down) {
  node.extra = levels;
  node = node.down;
  levels++;
}
console.log(levels, node.v, node.w, JSON.stringify(node), Object.keys(JSON.parse(text)).join(","));

// one read of "length" meeting arrays, strings, functions and objects that have their own
var withLength = JSON.parse("[]");
withLength.push(JSON.parse("[1,2,3]"), "héllo", { length: 7 }, make, "", { size: 1 });
var lengths = JSON.parse("[]");
for (var round = 0; round < 2; round++)
  for (var x = 0; x < withLength.length; x++) lengths.push(withLength[x].length);
console.log(lengths.join(" "));

// objects built alike with more values than fit inside them
var wide = JSON.parse("[]");
for (var v = 0; v < 3; v++) wide.push({ a: v, b: 1, c: 2, d: 3, e: 4, f: v * 2 });
wide[1].g = "g";
delete wide[0].c;
console.log(JSON.stringify(wide), wide[2].f, wide[1].e, wide[0].c);

// objects used as maps by keys computed at run time: keys alike in length and
// end letters, keys moved by deletes, an object switching to a key index, and
// keys that look like indices or are special
var words = "ab axb ayb b ba abc acc ab".split(" ");
var maps = JSON.parse("[]");
for (var mi = 0; mi < 3; mi++) maps.push({});
for (var pass = 0; pass < 3; pass++)
  for (var wi = 0; wi < words.length; wi++) {
    var m = maps[(wi + pass) % 3], w = words[wi].toLowerCase().replace("", "");
    m[w] = (m[w] || 0) + wi + 1;
  }
console.log(JSON.stringify(maps), maps[0]["ab"], maps[1]["a" + "xb"], maps[2]["zz"]);
var moved = {};
var names = "one two three four five".split(" ");
for (var ni = 0; ni < names.length; ni++) moved[names[ni]] = ni;
for (var round = 0; round < 3; round++) {
  var gone = names[(round * 2) % names.length];
  console.log(moved[gone], moved["fi" + "ve"]);
  delete moved[gone];
  console.log(moved[gone], moved["th" + "ree"], Object.keys(moved).join(","));
  moved[gone] = "back" + round;
  moved["fi" + "ve"] = moved["fi" + "ve"] + 10;
  console.log(moved[gone], Object.keys(moved).join(","));
}
var many = {};
for (var k = 0; k < 40; k++) {
  many["k" + k] = k;
  if (k % 7 === 3) delete many["k" + (k - 2)];
}
var sum = 0;
for (var k = 0; k < 40; k++) sum += many["k" + k] === undefined ? 1000 : many["k" + k];
console.log(sum, Object.keys(many).length, many["k" + 39], many["k" + 1]);
var odd = {};
var oddKeys = JSON.parse('["1", "01", "a\\u0000b", "a\\u0000c", "h\\u00e9", "\\ud83d\\ude00", "", "4294967295", "length"]');
for (var oi = 0; oi < oddKeys.length; oi++) odd[oddKeys[oi]] = oi;
for (var oi = 0; oi < oddKeys.length; oi++) odd[oddKeys[oi]] += 100;
var seen = JSON.parse("[]");
for (var oi = 0; oi < oddKeys.length; oi++) seen.push(odd[oddKeys[oi]]);
console.log(seen.join(" "), JSON.stringify(Object.keys(odd)), odd[1], odd["0" + "1"]);
function counted() {}
var fkey = "len" + "gth";
counted[fkey] = 9;
counted["ta" + "g"] = "t";
console.log(counted[fkey], counted["ta" + "g"], counted.tag);
