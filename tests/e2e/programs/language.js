// The language in small cases: typeof, JSON, console output, evaluation order,
// equality, member assignment, literals, labels and names C++ reserves.

// typeof: undeclared
function kind(v) { return typeof v; }
console.log(kind(1), kind("s"), kind(null), kind(undefined), typeof notDeclaredHere);
var o = { n: 2 };
console.log(typeof o, typeof o.n, typeof kind);

// typeof: values
console.log(typeof 1, typeof "s", typeof true, typeof undefined);
console.log(typeof null, typeof {}, typeof JSON.parse("[]"), typeof console.log);
console.log(Array.isArray(JSON.parse("[]")), Array.isArray({}));
var u;
console.log(u === undefined, typeof u === "undefined");

// JSON: errors
try {
  JSON.parse("{bad json");
  console.log("not reached");
} catch (e) {
  console.log(String(e).indexOf("SyntaxError") === 0);
}
console.log(JSON.stringify(undefined), JSON.stringify(null));

// JSON: roundtrip
var data = JSON.parse('{"name":"x","list":[1,2,{"deep":true}],"n":null}');
console.log(data.name, data.list.length, data.list[2].deep, data.n);
console.log(JSON.stringify(data));
console.log(JSON.stringify({ a: 1, b: "two" }, null, 2));
console.log(JSON.stringify("quote\"d"));
console.log(JSON.stringify(JSON.parse("[1,\"a\",false]")));

// console: format
console.log("%s is %d years", "Bob", 42);
console.log("%i|%f|%j", 3.9, 1.5, "s");
console.log("100%% sure");
console.log(1, "two", true, null, undefined);
console.log({ a: 1, b: "x", c: { d: JSON.parse("[1, 2]") } });
console.log(JSON.parse("[1,2,3]"));
console.log(JSON.parse('{"deep":{"deeper":{"deepest":{"x":1}}}}'));
console.log("");
console.log();
console.info("info line");

// console: objects
console.log({});
console.log(JSON.parse("[]"));
console.log({ s: "quoted 'str'", n: -0, f: 1.25 });
console.log(JSON.parse('[{"a":1},{"b":2}]'));
function named(a) { return a; }
console.log(named);
console.log({ fn: named });
console.log("text", { k: "v" });

// console: stderr
console.log("to stdout");
console.error("to stderr");
console.warn("warned");
console.log("done");

// Operands, keys and values are evaluated left to right.
var log = '';
function f(tag, v) { log += tag; return v; }
var counter = 0;
function bump() { counter += 10; return counter; }
console.log(f('a', 1) + f('b', 2), f('c', 3) * f('d', 4) - f('e', 5), log);
log = '';
console.log(f('a', 1) < f('b', 2), f('c', 'x') === f('d', 'x'), (f('e', 5) | f('f', 2)) << f('g', 1), log);
log = '';
console.log(f('a', 0) || f('b', 7), f('c', 1) && f('d', 8), log);
log = '';
console.log(counter + bump(), bump() + counter, counter);
var ko = { k: 1 };
function setK() { ko.k = 100; return 5; }
ko.k += setK();
console.log(ko.k);
log = '';
var obj = {};
obj[f('k1', 'p')] = f('v1', 1);
var lit = { first: f('a', 1), second: f('b', 2) };
var arrLike = { 0: 'zero', 1: 'one' };
console.log(arrLike[f('i', 0)] + arrLike[f('j', 1)], lit.first, lit.second, obj.p, log);
counter = 1;
counter += bump();
console.log(counter);
function local() { var x = 1; var y = x + f('z', 2); return y + x; }
console.log(local(), log);
counter = 0;
console.log(counter, bump(), counter);

// == and != follow JavaScript's abstract equality; === and !== (and switch) compare strictly.
console.log(null == undefined, null === undefined, null != undefined, null !== undefined);
console.log(1 == "1", 1 === "1", 0 == "", "0" == false, false == "", true == 1, true == "1");
console.log(null == 0, undefined == 0, null == false, NaN == NaN, NaN != NaN);
console.log(({}) == "[object Object]", ({}) == 1, ({}) != "x", "1" == 1.0);
const eo = {};
const ep = eo;
console.log(eo == ep, eo == {}, eo === ep, eo != {});
let missing;
console.log(missing == null, missing === void 0, missing != null, 0 != null, "" != null);
function caseKind(v) {
  switch (v) {
    case 1: return "number one";
    case "1": return "string one";
    case null: return "null";
    case undefined: return "undefined";
    default: return "other";
  }
}
console.log(caseKind(1), caseKind("1"), caseKind(null), caseKind(undefined), caseKind(false));
const opts = { retries: 0 };
opts.retries ??= 5;
opts.timeout ??= 30;
let unset;
unset ??= "filled";
console.log(opts.retries, opts.timeout, unset);
const money = { valueOf: function () { return 42; } };
const label = { toString: function () { return "L"; } };
console.log(money == 42, money + 1, "" + label, label == "L", money === 42);

// A member assignment yields the value it stores, not the object.
const mo = { a: 1, b: 2 };
mo.a = mo.b = 0;
console.log(mo.a, mo.b);
let x = (mo.k = 5);
console.log(x, mo.k);
let left = 3;
function next() {
  return left > 0 ? left-- : null;
}
let seen = "";
while ((mo.item = next())) seen += mo.item;
console.log(seen, mo.item);
const cfg = {};
const port = cfg.port = cfg.fallback = 8080;
console.log(port, cfg);
console.log((mo["key"] = "v"), (mo.n += 2, mo.n), (mo.m = undefined));

// Argument lists, conversions, string and number literals.
const co = {
  sum: function (a, b, c, d, e, f, g, h, i, j) {
    return a + "+" + b + "+" + c + "+" + d + "+" + e + "+" + f + "+" + g + "+" + h + "+" + i + "+" + j;
  },
};
console.log(co.sum(1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
console.log(JSON.stringify(String()), Number(), String(null), Number("12"));
const nul = "a\0b";
console.log(nul.length, JSON.stringify(nul), nul.charCodeAt(1));
console.log(1e400, -1e400, 123456789012345680000, 0x10000000000000000, 9007199254740993);
console.log(2e-400, 0.1, 1e21, 0xff, 1_000_000);
const gone = { a: 1, b: 2 };
console.log(Object.keys(gone).length, delete gone.a, Object.keys(gone).length);
const t = { k: 1 };
console.log(t.k, delete t.k, t.k);

// Labelled loops with break and continue to an outer loop.
let found = "";
outer: for (let i = 0; i < 4; i++) {
  for (let j = 0; j < 4; j++) {
    if (j > i) continue outer;
    if (i + j === 5) break outer;
    found += " " + i + j;
  }
}
console.log(found);
let n = 0;
rows: while (n < 10) {
  n++;
  let k = 0;
  do {
    k++;
    if (k === 2) continue rows;
  } while (k < 5);
  console.log("never");
}
console.log("n", n);
block: {
  console.log("in block");
  if (n === 10) break block;
  console.log("not printed");
}
grid: for (let row = 1; row < 5; row += 2) {
  switch (row) {
    case 3:
      console.log("switch leaves the loop");
      break grid;
    default:
      console.log("row", row);
  }
  console.log("after switch", row);
}
same: for (let i = 0; i < 3; i++) {
  if (i === 1) continue same;
  if (i === 2) break same;
  console.log("same loop", i);
}
check: {
  const first = n * 2;
  if (first > 5) break check;
  const second = first + 1;
  console.log("unreached", second);
}

// C++ keywords and C library names as callback parameters and top-level names
var total = 0;
var delete_ = 'd';
var list = JSON.parse('[3, 1, 2]');
list.forEach(function (int, index) { total += int * index; });
var sorted = list.sort(function (float, double) { return float - double; });
console.log(total, sorted.join(','), delete_);
function main(argc, argv) { return argc + argv; }
console.log(main(1, 2));
var std = { out: 'o' }, errno = 5, assert = function (v) { return !!v; };
console.log(std.out, errno, assert(0), assert(1));
var ops = { double: function (x) { return x * 2; } };
console.log(ops.double(4), ops['double'](5));
