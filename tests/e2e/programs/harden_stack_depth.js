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
