// Arrays keep properties under keys that are no index, as node does. Arrays
// come from JSON.parse and split, as array literals are not compiled.
var util = require("util");

// -- reads and writes by literal and computed key
var a = JSON.parse("[1,2]");
a["val"] = 8;
a.name = "x";
console.log(a["val"], a.name, a.length, Object.keys(a));
var odd = JSON.parse('["01", "-1", "1.5", "4294967296", "", "constructor_", "NaN"]');
for (var i = 0; i < odd.length; i++) a[odd[i]] = i;
console.log(a["01"], a[-1], a[1.5], a["4294967296"], a[""], a.NaN, a[NaN], a.length);
console.log(a[1], a["1"], a[0]);
a.val = a.val + 1;
console.log(a.val, a["val"], a.length);
var k = "na" + "me";
a[k] = a[k] + "y";
console.log(a.name, a.missing, a["missing"]);

// -- length stays the array's length; index keys stay elements
var b = "p,q,r".split(",");
b.extra = 1;
b.push("s");
console.log(b.length, b.extra, JSON.stringify(b));
b[4] = "u";
console.log(b.length, Object.keys(b));
b.length = 2;
console.log(b.length, b.extra, Object.keys(b));

// -- in, hasOwnProperty, delete
console.log("val" in a, "nope" in a, a.hasOwnProperty("name"), a.hasOwnProperty("nope"), "push" in a);
console.log(Object.prototype.hasOwnProperty.call(a, "01"), a.hasOwnProperty("length"), a.hasOwnProperty(0));
delete a.val;
delete a["01"];
console.log("val" in a, a.val, a["01"], Object.keys(a));
a.val = 3;  // a key deleted and added again goes last
console.log(Object.keys(a));

// -- key lists: indices first, then named keys in the order they were added
var c = JSON.parse("[10,20,30]");
c.z = 1;
c.a = 2;
c.m = 3;
console.log(Object.keys(c), Object.values(c), Object.entries(c));
console.log(JSON.stringify(Object.entries(c)));

// -- Object.assign from and to arrays
var to = Object.assign({}, c);
console.log(to);
var arr2 = Object.assign(JSON.parse("[1]"), { label: "L", 1: "one" });
console.log(arr2, arr2.length, arr2.label);
var both = Object.assign(JSON.parse("[]"), c);
console.log(both, both.length);

// -- display and JSON
console.log(c);
console.log(util.inspect(c));
console.log(JSON.parse("[]").length, (function () { var e = JSON.parse("[]"); e.only = true; return e; })());
var nested = JSON.parse('{"list":[1,2]}');
nested.list.tag = "t";
console.log(nested, JSON.stringify(nested));
var long = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27".split(",").map(Number);
long.note = "many";
console.log(long);
var self = JSON.parse("[1]");
self.me = self;
console.log(self);
console.log(String(c), c.join("-"), c + "");

// -- methods that copy arrays leave the named keys behind
console.log(c.slice(), c.concat(JSON.parse("[4]")), c.map(function (x) { return x * 2; }), c.filter(function (x) { return x > 10; }));
console.log(c.slice().z, c.concat().a, c.map(String).m, c.filter(Boolean).z);
c.reverse();
c.sort();
console.log(c, c.z);

// -- a named function called as a method
var d = "a,b".split(",");
d.describe = function (suffix) { return d.length + ":" + d.join("|") + ":" + d.tag + (suffix || ""); };
d.tag = "T";
console.log(d.describe(), d["describe"]("!"), typeof d.describe);
var name = "describe";
console.log(d[name]());

// -- a named key hides an Array method of the same name
var e = "1,2".split(",");
e.push = 5;
console.log(e.push, typeof e.push, e.length);
try {
    e.push(1);
} catch (err) {
    console.log(err instanceof TypeError, err.message);
}
e.join = function (sep) { return "own join " + sep; };
console.log(e.join("+"), String(e));
delete e.push;
e.push("3");
console.log(e.length, e.push === JSON.parse("[]").push);

// -- named keys on sparse arrays
var f = JSON.parse("[1]");
f[3000000] = 2;
f.tag = "sparse";
console.log(f, f.length, Object.keys(f), f.tag, "tag" in f);
delete f.tag;
console.log(f, Object.keys(f));
e.join = 5;
console.log(String(e), e + "!");

// -- 2**32 - 1 is no index: it is kept, listed and deleted with the named keys
var g = JSON.parse("[1]");
g.x = 1;
g[4294967295] = 2;
g["4294967296"] = 3;
console.log(Object.keys(g), g, g.length, g[4294967295], "4294967295" in g);
g.reverse();
delete g[4294967295];
console.log(g, Object.keys(g));

// -- an own toString or join gives the array's text
var h = "a b".split(" ");
h.toString = function () { return "custom"; };
console.log(String(h), h.toString(), `${h}`, "" + h);
