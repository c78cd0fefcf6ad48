#!/usr/bin/env node
// A hashbang line and lone surrogate escapes are valid JavaScript.
var lone = "\ud800";
console.log(lone.length, lone.charCodeAt(0).toString(16));
var pair = "\ud83d\ude00";
console.log(pair.length, pair.codePointAt(0).toString(16));
var low = "a\udc00b";
console.log(low.length, low.charCodeAt(1).toString(16));

// repeat, pad and join cost what their result costs, not what their count says.
console.log(JSON.stringify("".repeat(1e12)), JSON.stringify("ab".repeat(0)), "ab".repeat(3));
console.log(JSON.stringify("".padStart(5)), JSON.stringify("x".padEnd(4, "")), "7".padStart(3, "0"));
try {
  "ab".repeat(Math.pow(2, 30));
} catch (e) {
  console.log(e.name, e.message);
}
try {
  "x".repeat(-1);
} catch (e) {
  console.log(e.name, e.message);
}
try {
  "x".padStart(Math.pow(2, 31), "ab");
} catch (e) {
  console.log(e.name, e.message);
}
var empties = "".padEnd(100000, ",").split(",");
console.log("empties joined:", empties.length, empties.join("").length, empties.join("-").length);

// Writes far past the end make holes, not gigabytes: 4e9 dense elements would
// take 64 GB, so these lines finishing at all shows the memory stays small.
var a = JSON.parse("[]");
a[1e8] = 1;
console.log(a.length, a[0], a[1e8], a[5e7], 5 in a, 1e8 in a);
console.log(a);
var b = JSON.parse("[1, 2, 3]");
b[4e9] = "far";
b[4294967295] = "a property";
console.log(b.length, b[4e9], b[4294967295], Object.keys(b));
console.log(b);
console.log(Array(3e9).length, Array(3e9));

// Length: 2**32 is out of range; a shorter length drops what lies past it.
try {
  b.length = Math.pow(2, 32);
} catch (e) {
  console.log(e.name, e.message);
}
try {
  Array(Math.pow(2, 32));
} catch (e) {
  console.log(e.name, e.message);
}
b.length = 10;
console.log(b.length, b[4e9], b);
b.length = 3;
console.log(b.length, b, JSON.stringify(b), delete b[4294967295], b);

// Iteration: forEach, map, filter, some, every and reduce pass holes over;
// an indexed loop, find and join read them as undefined.
var s = JSON.parse("[]");
s[1.5e6] = "x";
s[0] = "a";
s[1] = "b";
s[2e6] = "y";
var seen = JSON.parse("[]");
s.forEach(function (v, i) { seen.push(i + ":" + v); });
console.log(seen.join(" "));
var undefs = 0;
for (var k = 0; k < s.length; k++) if (s[k] === undefined) undefs++;
console.log(undefs, s[s.length - 1]);
console.log(s.map(function (v) { return v.toUpperCase(); }));
console.log(s.filter(function () { return true; }), s.some(function (v) { return v === "y"; }),
            s.every(function (v) { return typeof v === "string"; }));
console.log(s.reduce(function (acc, v) { return acc + v; }), s.indexOf("y"), s.lastIndexOf("a"),
            s.includes(undefined), s.indexOf(undefined), s.at(-1));
console.log(s.find(function (v) { return v === "y"; }), s.findIndex(function (v) { return v === "x"; }));
console.log(s.join("").length, s.join("-").length, JSON.stringify(s).length);

// Methods that move elements keep the holes between them.
var m = JSON.parse("[]");
m[1.5e6] = 2;
m[0] = 0;
console.log(m.push("p"), m[1.5e6 + 1], m.pop(), m.length);
console.log(m.unshift("u"), m[1], m[1.5e6 + 1], m.shift(), m.length, m[1.5e6]);
console.log(m.slice(1499999), m.slice(-2), m.slice(1, 3));
console.log(m.concat(JSON.parse("[7]"), 8).length, JSON.parse("[9]").concat(m).length, JSON.parse("[9]").concat(m)[1.5e6 + 1]);
console.log(m.reverse()[0], m.length, m.slice(0, 3));
console.log(m.sort(), m.length);
var sp = JSON.parse("[]");
sp[1.5e6] = "z";
sp[1] = "y";
console.log(sp.splice(1, 2), sp.length, sp.splice(1499998, 1, "q", "r"), sp);

// Many elements far apart, and a long run of them shown with its more-items line.
var many = JSON.parse("[]");
for (var i = 0; i < 300; i++) many[i * 1e7] = i;
console.log(many.length, Object.keys(many).length, many);

// Runaway recursion and deep JSON end in errors the program can catch, and the
// program goes on afterwards.
function down(n) { return down(n + 1) + 1; }
try {
  down(0);
} catch (e) {
  console.log("recursion:", e.name, e.message);
}

var viaValue = function (n) { return viaValue(n + 1); };
try {
  viaValue(0);
} catch (e) {
  console.log("function value:", e.name, e.message);
}

function ping(n) { return pong(n + 1); }
function pong(n) { return ping(n + 1); }
for (var round = 0; round < 3; round++) {
  try {
    ping(0);
  } catch (e) {
    console.log("mutual, round", round, e.message);
  }
}

function nest(depth, open, close) {
  return open.repeat(depth) + close.repeat(depth);
}
var parsed = JSON.parse(nest(100000, "[", "]"));
var levels = 0;
for (var p = parsed; p.length; p = p[0]) levels++;
console.log("parsed array levels:", levels + 1);

var o = JSON.parse('{"a":'.repeat(50000) + "1" + "}".repeat(50000));
var objLevels = 0;
for (var q = o; typeof q === "object"; q = q.a) objLevels++;
console.log("parsed object levels:", objLevels);

function nestedArrays(n) {
  var d = JSON.parse("[]");
  for (var i = 0; i < n; i++) {
    var outer = JSON.parse("[]");
    outer.push(d);
    d = outer;
  }
  return d;
}
var text = JSON.stringify(nestedArrays(2000));
console.log("stringified length:", text.length, text.slice(0, 5), text.slice(-5));

var chain = {};
for (var k = 0; k < 2000; k++) chain = { next: chain };
console.log("object chain length:", JSON.stringify(chain).length);

// Deeper than the printer may go here: an error or a result, never a crash.
try {
  JSON.stringify(nestedArrays(20000));
} catch (e) {}
console.log("after a very deep stringify");

try {
  JSON.parse(nest(100000, "[", "]").slice(1));
} catch (e) {
  console.log("bad deep JSON:", e.name);
}

function sum(n) { return n === 0 ? 0 : n + sum(n - 1); }
console.log("moderate recursion still works:", sum(5000));
