// ascii string methods: bounds, empty needles, positions past the end
var s = "  Hello, World  ";
console.log(JSON.stringify(s.slice(-5)), JSON.stringify(s.slice(3, -3)), JSON.stringify(s.slice(9, 2)));
console.log(JSON.stringify(s.substring(9, 2)), JSON.stringify(s.substring(-4, 100)), JSON.stringify(s.substr(-6, 3)));
console.log(JSON.stringify(s.substr(4)), JSON.stringify(s.substr(2, -1)), JSON.stringify(s.slice(NaN, 4)));
console.log(JSON.stringify(s.trim()), JSON.stringify(s.trimStart()), JSON.stringify(s.trimEnd()));
console.log(JSON.stringify("\t\n\v\f\r x \r\n".trim()), JSON.stringify("   ".trim()));
console.log(s.indexOf("o"), s.indexOf("o", 7), s.indexOf("", 100), s.indexOf("zz"), s.indexOf("l", -3));
console.log(s.includes("World"), s.includes("world"), s.includes(""), s.includes("H", 3));
console.log(s.startsWith("He", 2), s.startsWith("He"), s.startsWith("", 99), s.startsWith("  Hello, World  !"));
console.log(s.endsWith("d  "), s.endsWith("World", 14), s.endsWith("", 0), s.endsWith("x", -1));
console.log(s.toUpperCase(), s.toLowerCase(), "abc".toUpperCase().toLowerCase());
// split and replace on bytes, with the same answers as on code units
console.log(JSON.stringify("a,b,,c,".split(",")), JSON.stringify(",".split(",")), JSON.stringify("abc".split("abc")));
console.log(JSON.stringify("a--b--c".split("--", 2)), JSON.stringify("abc".split("")), JSON.stringify("abc".split()));
console.log("a.b.c".replace(".", "-"), "a.b.c".replaceAll(".", "-"), "aaa".replace("a", "$&$&"), "abc".replace("b", "[$`|$'|$$]"));
console.log("abc".replaceAll("", "-"), "abc".replace("", "-"), "abc".replace("x", "y"), "x".replace("x", "$"));
console.log("é,a".split(","), "a,é".split(",").length, "aé".indexOf("é"), "é".replace("é", "e"), "ab".replace("b", "é"));
console.log("ab".indexOf(1), "a1b".indexOf(1), "a1b".split(1), "null".startsWith(null));

// properties appended to fresh objects keep JavaScript's key order
var o = { b: 1, a: 2 };
o.z = 3;
o["10"] = 4;
o["2"] = 5;
o.y = 6;
console.log(JSON.stringify(o), Object.keys(o).join(" "));
var big = {};
for (var i = 0; i < 40; i++) big["k" + (i % 25)] = i;
big.k3 = "again";
console.log(Object.keys(big).length, big.k3, big.k24, big.k0);

// cells freed and made again keep their own contents
var keep = JSON.parse("[]");
for (var r = 0; r < 3000; r++) {
  var t = { id: r, label: "item" + r, inner: { depth: r % 7 } };
  var text = t.label + ":" + t.inner.depth;
  if (r % 500 === 0) keep.push(t);
  if (text.length === 0) console.log("empty");
}
for (var k = 0; k < keep.length; k++) console.log(keep[k].id, keep[k].label, keep[k].inner.depth);

// sorting: default order compares text, a comparator orders numbers
var mixed = JSON.parse('["b", 10, "a", 9, "B", 1, "10"]');
console.log(JSON.stringify(mixed.sort()));
var words = "pear apple fig apple banana".split(" ");
console.log(words.sort().join(" "));
var nums = JSON.parse("[5, 1, 4, 1, 5, 9, 2, 6]");
console.log(nums.sort(function (x, y) { return y - x; }).join(" "));

// function values called with more arguments than the usual few
var count = function (a, b, c, d, e, f) { return "" + a + b + c + d + e + f; };
console.log(count(1, 2, 3, 4, 5, 6), count.call(null, 1, 2, 3, 4, 5), count(1, 2));

// comparison results kept in variables, objects and arrays stay booleans
var flags = JSON.parse("[]");
var seen = { lt: 0, eq: 0 };
for (var n = 0; n < 6; n++) {
  var less = n < 3;
  var copy = less;
  flags.push(copy, n === 4);
  if (copy) seen.lt++;
  seen.last = n >= 5;
}
console.log(JSON.stringify(flags), JSON.stringify(seen), typeof flags[0], flags[0] === true, flags[5] + 1, !flags[1]);
console.log((1 < 2) === (2 < 3), (1 > 2) == 0, String(3 <= 2), String(2 < 1) + "|" + ("x" < "y"));

// literal keys that share a first character or are prefixes of one another
var pre = { a: 1, ab: 2, abc: 3, b: 4, "": 5 };
pre.abcd = pre.abc + pre.ab;
pre.ab = "two";
console.log(pre.a, pre.ab, pre.abc, pre.abcd, pre[""], pre.abcde, pre.ba, Object.keys(pre).join(","));
var wide = {};
for (var w = 0; w < 20; w++) wide["w" + w] = w;
wide.w7 = "seven";
wide.extra = wide.w19 + wide.w0;
console.log(wide.w7, wide.w19, wide.extra, wide.w20, wide.w, Object.keys(wide).length);

// a string made from a literal again and again keeps its text after others grow
var grown = JSON.parse("[]");
for (var g = 0; g < 4; g++) {
  var base = "abc";
  base += g;
  grown.push(base, "abc", "abc".length);
}
console.log(grown.join(" "), "abc" === "ab" + "c");

// case mapping touches only letters
console.log("az-AZ_[`{@]09 ~".toUpperCase(), "az-AZ_[`{@]09 ~".toLowerCase(), "Àb Ç".toUpperCase(), "ÀB Ç".toLowerCase());

// JSON read back: nested arrays keep their own elements, names with escapes
var nest = JSON.parse('[1, [2, [3, 4], [], 5], {"a": [6, {"b": [7]}]}, "x\\u00e9", [[["deep"]]], 8]');
console.log(JSON.stringify(nest), nest.length, nest[1].length, nest[2].a[1].b[0], nest[3].length);
var named = JSON.parse('{"k\\u0041y": 1, "plain": "t\\"x", "caf\u00e9": 2, "plain": 3, "": 4}');
console.log(JSON.stringify(named), Object.keys(named).join("|"), named.kAy, named.plain);
var errors = JSON.parse('["[1, [2, 3]", "[1, [2,]]", "{\\"a\\": [1, 2}", "[[1] 2]", "{\\"a\\\\x\\": 1}", "{\\"a\\": 1", "{\\"a\\"", "{", "[1,", "{\\"a\\":1,", "[1 2]"]');
for (var e = 0; e < errors.length; e++) {
  try { JSON.parse(errors[e]); } catch (err) { console.log(err.name, err.message); }
}

// JSON written: numbers, keys seen by toJSON and replacers, skipped members
var numbers = JSON.parse("[0, -0, 1e21, 1.5e-7, -12345678901234, 2e-323]");
numbers.push(0.1 + 0.2, 1 / 0, NaN, -1 / 0);
console.log(JSON.stringify(numbers));
var withToJSON = { list: JSON.parse("[0]"), n: { toJSON: function (key) { return key; } } };
withToJSON.list[0] = { toJSON: function (key) { return "item " + key + " " + typeof key; } };
console.log(JSON.stringify(withToJSON));
console.log(JSON.stringify({ a: JSON.parse("[10, 20]"), b: { c: 1 } }, function (key, value) {
  return typeof value === "number" ? key + ":" + value : value;
}));
console.log(JSON.stringify({ a: 1, f: function () {}, u: undefined, s: "q\"\n\u0001" }), JSON.stringify(JSON.parse("[1, 2]").map(function (v) { return v === 1 ? undefined : function () {}; })));
var grows = { first: 1, second: { toJSON: function () { grows.third = 3; return "2"; } } };
console.log(JSON.stringify(grows), JSON.stringify(grows));
console.log(JSON.stringify({ a: JSON.parse('[1, {"b": 2}]') }, null, 2), JSON.stringify(JSON.parse("[1, [2]]"), null, "--"));

// sorting keeps equal items in order, puts undefined last and survives a throwing comparator
var people = JSON.parse('[{"n":"a","age":30},{"n":"b","age":25},{"n":"c","age":30},{"n":"d","age":25}]');
people.sort(function (x, y) { return x.age - y.age; });
console.log(people.map(function (p) { return p.n; }).join(""));
var holes = JSON.parse("[3, null, 1, 2]");
holes[1] = undefined;
console.log(holes.sort().join(","), holes.length, holes[3] === undefined);
var kept = "q w e r".split(" ");
try {
  kept.sort(function () { throw { message: "stop" }; });
} catch (err) {
  console.log(err.message, kept.join(""));
}
console.log("é z a É \ud83d\ude00 \uffff".split(" ").sort().join(" "));
// long arrays of numbers: comparators up and down, ties of different numbers
// keep their first order, -0 beside 0, undefined last, partial and throwing
// comparators, one that adds to the array, and a named function
var gen = 11;
var many = JSON.parse("[]");
var plain = JSON.parse("[]");
for (var m = 0; m < 300; m++) {
  gen = (gen * 1103515245 + 12345) % 2147483648;
  plain.push((gen % 4000) / 4 - 300);
  many.push(m % 50 === 7 ? -0 : m % 50 === 9 ? 0 : m % 61 === 3 ? undefined : plain[m]);
}
var signed = function (v) { return v === 0 && 1 / v < 0 ? "-0" : String(v); };
var orders = JSON.parse("[]");
orders.push(function (x, y) { return x - y; }, function (x, y) { return y - x; },
  function (x, y) { return Math.floor(x / 100) - Math.floor(y / 100); },
  function (x, y) { return (x % 7) - (y % 7); }, function (x, y) { return x < y ? "-1" : x > y ? true : null; });
for (var o = 0; o < orders.length; o++) console.log(plain.slice().sort(orders[o]).join(" "));
for (var o2 = 0; o2 < 3; o2++) console.log(many.slice().sort(orders[o2]).map(signed).join(" "));
function byValue(x, y) { return x - y; }
console.log(plain.slice(0, 200).sort(byValue).slice(90, 110).join(" "));
var guarded = plain.slice(0, 100);
var seenCalls = 0;
try {
  guarded.sort(function (x, y) { if (++seenCalls === 50) throw { message: "enough" }; return x - y; });
} catch (err) {
  console.log(err.message, guarded.slice(0, 8).map(signed).join(" "));
}
var growing = plain.slice(0, 80);
var added = 0;
growing.sort(function (x, y) { if (added++ === 5) growing.push("late", "tail"); return x - y; });
console.log(growing.length, growing.slice(-4).join(" "), growing[0] <= growing[1]);
// plain sorts of ASCII texts: shared beginnings, seven and eight letters, NULs, repeats
var texts7 = "abcdefg abcdefgh abcdefga abcdef abcdefg\u0000 abcdefg\u0000a abcdefg ab\u0000 ab a zzzzzzzzz zzzzzzz".split(" ");
for (var t = 0; t < 40; t++) texts7.push("w" + ((t * 7919) % 23), "abcdefg" + (t % 5));
console.log(JSON.stringify(texts7.sort()));
// objects and strings held only by the array while a comparator empties it,
// refills it with other kinds, or throws; default order of mixed kinds
var rows = JSON.parse("[]");
for (var ri = 0; ri < 200; ri++) rows.push({ k: (ri * 7919) % 97, s: "v" + ri });
var rowCalls = 0;
var emptied = rows.slice();
emptied.sort(function (a, b) { if (++rowCalls === 300) { emptied.length = 0; emptied.push("x"); } return a.k - b.k; });
console.log(emptied.length, emptied[0].s, emptied[199].s, emptied[100].k);
rowCalls = 0;
var stopped = rows.slice();
try { stopped.sort(function (a, b) { if (++rowCalls === 700) throw { message: "halt" }; return b.k - a.k; }); } catch (e) { console.log(e.message, stopped[0].s, stopped[199].s); }
var shrunk = plain.slice();
rowCalls = 0;
shrunk.sort(function (a, b) { if (++rowCalls === 10) { shrunk.length = 3; shrunk.push({ z: 1 }, "str"); } return a - b; });
console.log(shrunk.length, shrunk[0], shrunk[299], typeof shrunk[300]);
var kinds = JSON.parse("[]");
for (var q = 0; q < 120; q++) kinds.push(q % 5 === 0 ? q : q % 5 === 1 ? "\u00e9" + q : q % 5 === 2 ? undefined : q % 5 === 3 ? null : "s" + (q % 7) + "xxxxxxxx");
console.log(kinds.sort().slice(0, 14).join(","), kinds.sort().slice(-30, -20).join(","), kinds.length);

// + joins strings and numbers as their text
var piece = "n";
console.log(piece + -0, piece + 1e21, piece + 1.5, piece + -7, "é" + 42, "" + 5, 5 + "", 12 + "ab" + 3);
var long = "x".repeat(300);
console.log((long + 7).length, (7 + long).slice(0, 3), (long + "é").length);
console.log("Hello, World! abcxyz ABCXYZ 123".toUpperCase(), "Hello, World! abcxyz ABCXYZ 123".toLowerCase());

// operators on objects: each operand's valueOf runs once, the left one first
var order = JSON.parse("[]");
var left = { valueOf: function () { order.push("l"); return 7; } };
var right = { valueOf: function () { order.push("r"); return 2; } };
var arithmetic = (left - right) + " " + (left * right) + " " + (left / right) + " " + (left % right) + " " + (left + right);
console.log(arithmetic, order.join(""));
order = JSON.parse("[]");
var compared = (left < right) + " " + (left > right) + " " + (left <= right) + " " + (left >= right);
console.log(compared, order.join(""), JSON.parse("[5]") - 1, "3" * "4");
console.log("b" > "a", "a" >= "b", "10" < "9", 10 < "9", null >= 0, undefined < 1, "x" - 1, true + true);

// temporaries that hold strings are released when a call in the expression throws
function boom(n) {
  if (n % 3 === 0) throw { message: "boom " + n };
  return "v" + n;
}
var caught = 0, joined = "";
for (var b = 0; b < 9; b++) {
  try {
    joined = joined + ("<" + boom(b)) + (b + ">");
  } catch (err) {
    caught++;
  }
}
console.log(caught, joined);

// texts read again and again take the layouts learnt the first time, keys in any order
var texts = '{"a":1,"b":2}|{"b":1,"a":2}|{"a":1,"a":2,"b":3}|{"x":1,"2":2,"1":3}|{"x":1,"2":2,"x":4,"1":3}|{"a":{"a":{}},"b":[]}'.split("|");
for (var round = 0; round < 3; round++) {
  for (var t = 0; t < texts.length; t++) {
    var read = JSON.parse(texts[t]);
    if (round === 2) console.log(JSON.stringify(read), Object.keys(read).join(" "));
  }
}
// members taken away or JSON written again while an object is being written
var shrinking = { a: { toJSON: function () { delete shrinking.b; return 1; } }, b: 2, c: 3 };
console.log(JSON.stringify(shrinking), JSON.stringify(shrinking));
var nested = { x: { toJSON: function () { return JSON.stringify({ in: JSON.parse("[1, {\"deep\": 2}]") }); } }, y: JSON.parse("[3, [4]]") };
console.log(JSON.stringify(nested), JSON.stringify(nested));
console.log(JSON.parse("[0, 9, 10, 99, 100, 101, 12345, 9007199254740991, -1, -10, -100, -12345, 4294967296]").join(","));

// array methods by name: one name met on strings and arrays, names built at run time, sparse arrays
function arr(text) { return JSON.parse(text); }
var names = arr('["slice", "indexOf", "includes", "at", "concat", "toString", "join"]');
var seen = arr("[]");
for (var round = 0; round < 2; round++) {
  for (var k = 0; k < names.length; k++) {
    var n = names[k];
    var onArr = arr('[3, "b", 3]')[n](1), onStr = typeof "b3b"[n] === "function" ? "b3b"[n](1) : "none";
    seen.push(n + "=" + JSON.stringify(onArr) + "/" + JSON.stringify(onStr));
  }
}
console.log(seen.join(" "));
var dyn = arr("[]");
var verbs = arr('["unshift", "shift"]');
verbs.unshift("pu" + "sh", "po" + "p");
for (var j = 0; j < 6; j++) console.log(verbs[j % 4], dyn[verbs[j % 4]](j), JSON.stringify(dyn));
var sp = arr("[1, 2]");
for (var j = 0; j < 3; j++) {
  sp[10 + j * 5] = j;
  console.log(sp.push(j), sp.length, sp.indexOf(j), sp.join("|"), sp.slice(-3).length);
}
console.log(sp.pop(), sp.shift(), sp.length, JSON.stringify(sp.concat(arr("[7]"), 8)));
// join: numbers of every kind, strings still being built, separators that are not strings
var piece = "x";
for (var j = 0; j < 5; j++) piece = piece + j;
var nums = arr("[1, -2, 0.5, 1e21, 1e-7, 123456789012]");
nums.push(-0, NaN, Infinity, -Infinity);
var mixed = arr('["é", ""]');
mixed.unshift(piece);
mixed.push(42);
var one = arr("[]");
one.push(piece);
console.log(nums.join(), mixed.join(" + "), one.join(), arr("[]").join("x"), JSON.stringify(arr('[""]').join()));
var abc = arr("[1, 2, 3]");
console.log(abc.join(undefined), abc.join(null), abc.join(0));
var holes = arr('[1, null, [2, [3, "a"]], "b"]');
holes.push(undefined);
console.log(holes.join("-"), abc.toString(), String(abc), abc.join(abc));
var loop = arr("[1, 2]");
loop.push(loop, "T");
console.log(loop.join("/"));
// joins of whole numbers at every digit width, signs, -0 and fractions beside them
var widths = JSON.parse("[]");
for (var p = 1, k = 0; k < 17; k++, p *= 10) widths.push(p - 1, p, -p, -(p - 1));
widths.push(9007199254740991, -9007199254740991, -0, 0);
console.log(widths.join(","));
console.log(widths.join("").length, widths.join("\u00e9").length, widths.join("").slice(40, 60));
var mixed = JSON.parse("[]");
mixed.push(1, 0.5, -0, 1e21, 2e-7, "x", "\u00e9t\u00e9", 12345678901234567890, NaN, -Infinity);
console.log(mixed.join(";"), mixed.join(), mixed.toString());
var texts = JSON.parse("[]");
texts.push("caf\u00e9", 42, "\ud83d\ude00", "", -7);
console.log(texts.join(" | "), texts.join(" | ").length, texts.join("").length);
var long = JSON.parse("[]");
for (var j = 0; j < 120; j++) long.push(j * 37, "w" + j);
var lj = long.join("-");
console.log(lj.length, lj.slice(0, 30), lj.slice(-30), long.join("\u00e9").length);
console.log(JSON.parse("[]").join(","), JSON.parse("[7]").join(","), JSON.parse('["a"]').join("xyz"));
// + of strings and numbers around the length where the text is put together on the stack
var piece = "";
for (var n = 0; n < 120; n++) piece = piece + "ab";
for (var extra = 270; extra < 290; extra += 3) {
  var left = piece + piece.slice(0, extra - 240);
  var sum = left + (extra * 1000003);
  var sum2 = (extra - 1e9) + left;
  var sum3 = left + "\u00e9\u00e8";
  console.log(left.length, sum.length, sum.slice(-12), sum2.slice(0, 14), sum2.length, sum3.length, sum3.slice(-3));
}
console.log("x" + 0 + -0 + 1e21 + 0.25 + -5 + 9007199254740991, "\u00e9" + 12 + "\ud83d", ("\ud83d" + "\ude00").length);
// fresh containers from JSON text: each call its own
var a1 = JSON.parse("[]"), a2 = JSON.parse("[]"), o1 = JSON.parse("{}"), o2 = JSON.parse("{}");
a1.push(1, 2, 3);
o1.k = 1;
console.log(a1.length, a2.length, a1 === a2, JSON.stringify(o1), JSON.stringify(o2), o1 === o2, JSON.parse(" [ ] ").length);
try { JSON.parse("[}"); } catch (e) { console.log(e.name, e.message); }
try { JSON.parse("{]"); } catch (e) { console.log(e.name, e.message); }
// push with several values and of the array itself; shift down to empty
var q = JSON.parse("[]");
console.log(q.push(), q.push("a", "b", "c"), q.push(q.length), q.push(q), q.length, q[4] === q);
var drained = JSON.parse("[]");
while (q.length) drained.push(typeof q.shift());
console.log(drained.join(" "), q.shift(), q.length);

// push of one value: the new length, arrays shared by two names, sparse and
// emptied arrays, objects kept alive by the array alone, push of non-arrays
var fill = JSON.parse("[]");
var alias = fill;
var lens = 0;
for (var p = 0; p < 1000; p++) lens += fill.push(p % 3 ? p : { n: p });
console.log(lens, alias.length, alias[999], alias[3].n, fill.push(fill) === alias.length, fill[1000] === alias);
fill[1000] = null;
var holed = JSON.parse("[1]");
holed[50] = 2;
console.log(holed.push("x"), holed.length, holed[51], holed[10], JSON.stringify(holed.slice(49)));
var drained = JSON.parse("[1, 2]");
drained.length = 0;
console.log(drained.push(7), drained.pop(), drained.push(undefined), drained.length, drained[0]);
var pusher = JSON.parse('{"items": []}');
pusher.push = function (v) { pusher.items.push(v * 2); return "own"; };
console.log(pusher.push(4), pusher.items[0], "ab".concat("c"), pusher.push(5), pusher.items.length);

// default-order sorts of primitives change the array itself; one holding
// arrays compares their texts
var prims = JSON.parse('[3, "b", null, true, 20, "a", false, 1]');
prims.push(undefined);
var primsAlias = prims;
console.log(prims.sort() === primsAlias, JSON.stringify(primsAlias), primsAlias.length);
var nested = JSON.parse('[[2, 1], "10", [1], 3]');
nested.push(nested[0]);
console.log(JSON.stringify(nested.sort()), nested[3] === nested[4]);

// .length at one site across kinds: strings (long joins still pending, UTF-16
// units of non-ASCII and astral text), objects with a length key, arrays, functions
var rope = "";
for (var i = 0; i < 30; i++) rope += "ab" + i;
function two(a, b) {}
var sized = JSON.parse('["", "é", "日本語", "😀x", {"length": 7}, {"length": "no"}, [1, 2, 3], {}]');
sized.push(rope);
sized.push(rope + "😀");
sized.push(two);
var lens = JSON.parse("[]");
for (var i = 0; i < sized.length; i++) lens.push(sized[i].length);
console.log(lens.join(" "), rope.length === rope.split("").length);
// || and && on every falsy value and a few truthy ones
var vals = JSON.parse('[0, "", null, false, "0", " ", [], {}, -1]');
vals.push(-0);
vals.push(NaN);
vals.push(undefined);
vals.push(Infinity);
var seen = JSON.parse("[]");
for (var i = 0; i < vals.length; i++) seen.push(String(vals[i] || "or") + "/" + String(vals[i] && "and"));
console.log(seen.join(" "));
// JSON.parse called as a method: with a reviver or a second argument that is
// no function, on text that is no string, on bad text, held by another
// object, and after the program puts its own parse in its place
var made = JSON.parse("[]");
made.push(JSON.parse("[]") !== JSON.parse("[]"), JSON.stringify(JSON.parse(' {"a": [1, {"b": null}]} ')));
made.push(JSON.stringify(JSON.parse('{"a": 1, "b": [2, 3]}', function (k, v) { return typeof v === "number" ? v * 10 : v; })));
made.push(JSON.stringify(JSON.parse('{"a": 1, "b": 2}', function (k, v) { return k === "a" ? undefined : v; })));
made.push(JSON.stringify(JSON.parse("[1, 2]", 7)), JSON.stringify(JSON.parse("[1, 2]", "x", 3)));
made.push(JSON.parse(42), JSON.parse(true), JSON.parse(null));
var bads = JSON.parse('["[1,", "", "{\'a\': 1}", "[] x", "NaN", "Infinity", "-Infinity", "undefinedx"]');
bads.push({});
for (var b = 0; b < bads.length; b++) {
  try {
    JSON.parse(bads[b]);
  } catch (e) {
    made.push(e.name + ": " + e.message);
  }
}
try {
  JSON.parse();
} catch (e) {
  made.push(e.name + ": " + e.message);
}
var holder = { parse: JSON.parse };
made.push(holder.parse("[4]")[0], JSON.stringify(holder.parse('{"x": 1}', function (k, v) { return v; })));
var realParse = JSON.parse;
JSON.parse = function (t) { return "own " + t; };
made.push(JSON.parse("[]"));
JSON.parse = realParse;
made.push(Array.isArray(JSON.parse("[]")));
console.log(made.join(" | "));
// + of short strings and whole numbers: one-character results, non-ASCII
// and astral text on either side, lengths in UTF-16 units, a string that
// was pending a join
var sums = JSON.parse("[]");
var pend = "";
for (var i = 0; i < 40; i++) pend += "q" + i;
var parts = JSON.parse('["", "é", "日本", "😀", "a"]');
parts.push(pend);
for (var i = 0; i < parts.length; i++) {
  var l = parts[i] + 7, r = -3 + parts[i], m = parts[i] + "z";
  sums.push(l.length + "/" + r.length + "/" + m.length, (l + r + m).slice(-6), l === parts[i] + "7", m.charCodeAt(m.length - 2));
}
console.log(sums.join(" "), "" + 0, 9 + "", typeof ("" + 1));
