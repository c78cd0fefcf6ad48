// Members reached through the built-in prototypes and modules, and JSON and inspect options.
const util = require("util");
const fs = require("fs");
const o = { own: 1 };
console.log(Object.prototype.hasOwnProperty.call(o, "own"), Object.prototype.hasOwnProperty.call(o, "x"));
console.log("toString" in {}, "own" in o, "missing" in o, "push" in JSON.parse("[]"), "hasOwnProperty" in o);
console.log(Number.parseFloat("3.5kg"), Number.parseInt("42px"), Number.parseFloat === parseFloat);
console.log(typeof "".trim, typeof JSON.parse("[]").map, typeof o.hasOwnProperty, typeof (5).toFixed, typeof "".nothing);
console.log("  padded ".trim.call("  x  "), Array.prototype.slice.call(JSON.parse("[1, 2, 3]"), 1));
console.log(typeof fs.readFileSync, typeof fs.noSuchMember, fs.noSuchMember);
// Names at either end of a member list, prefixes of names, and keys holding the separator between names.
const os = require("os");
console.log(typeof fs.Dir, typeof fs.writevSync, typeof fs.read, typeof fs.rea, typeof fs.readFileSyn,
  typeof fs["Dir Dirent"], typeof fs[""], typeof fs[" "]);
console.log(typeof os.EOL, typeof os.version, typeof os.versio, typeof util.transferableAbortSignal, typeof util.MIMEParams);
console.log(typeof "".at, typeof "".valueOf, typeof "".padStar, typeof "".trimStart, typeof "".tri);
console.log(typeof JSON.parse("[]").at, typeof JSON.parse("[]").with, typeof JSON.parse("[]").wit, typeof JSON.parse("[]").valueOf);
console.log(typeof (5).toExponential, typeof (5).valueOf, typeof (5).toFixe, typeof {}.valueOf, typeof {}.hasOwnPropert);
console.log("with" in JSON.parse("[]"), "valueOf" in {}, "trimEnd" in {}, "at" in {});
const buf = Buffer.from("hi");
console.log(buf[-1], buf[5], buf[0]);
console.log(JSON.stringify({ a: 1, b: "x", c: JSON.parse("[1, 2]") }, function (k, v) {
  return typeof v === "number" ? v * 10 : v;
}));
console.log(JSON.stringify({ a: 1, b: 2, c: { a: 3, d: 4 } }, JSON.parse('["a", "c"]')));
console.log(JSON.stringify({ when: { toJSON: function (key) { return "at " + key; } } }));
console.log(JSON.stringify({ list: { toJSON: function () { return 7; } }, n: null }, null, 1));
console.log(JSON.parse('{"a":1,"b":{"c":2},"d":[3]}', function (k, v) {
  if (k === "c") return undefined;
  return typeof v === "number" ? v + 100 : v;
}));
const deep = { a: { b: { c: { d: { e: 1 } } } } };
console.log(util.inspect(deep));
console.log(util.inspect(deep, { depth: 0 }));
console.log(util.inspect(deep, { depth: null }));
console.log(util.inspect(deep, false, 1));
try {
  process.exit("abc");
} catch (e) {
  console.log(e.name, e.code, e.message);
}
try {
  process.exit(1.5);
} catch (e) {
  console.log(e.name, e.code, e.message);
}
process.exit("3");
