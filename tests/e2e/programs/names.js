// Names: JavaScript names that C++, the C library, the generated program or the
// runtime also use, locals that shadow modules and globals, and function names.

// JavaScript names that are C++ keywords, C library names or `main` compile and keep their meaning.
var double = function double(n) { return n * 2; };
var int = 3;
function basename(p) { return 'base:' + p; }
function exit(code) { return 'exit ' + code; }
function main() {
  var index = 2, time = 5, char = 'c', register = { and: 1, or: 2 };
  var log = function (x) { return 'log ' + x; };
  console.log(double(int), double(index), exit(time), basename(char));
  console.log(log(register.and + register.or), register.and, register.or);
  var o = { double: 1, int: int };
  o.signed = 'yes';
  console.log(o.double, o.int, o.signed, o['double'] + double(o.int));
  var main_ = 'main_ is a different name';
  console.log(main_);
  try { undefinedThing; } catch (e) { console.log(String(e)); }
}
main();
var free = double(21);
console.log(free, typeof main, typeof double, typeof exit);

// JavaScript names equal to names of the generated program or of the runtime.
const db = require("./lib/sound_db");
console.log(db.init("main"), db.init("second"), db.count());
function name(x) { return "name:" + x; }
function json(x) { return "json:" + x; }
var JsValue = 1, JsOwned = 2, JS_NUM = 3, js_add = 4, jsc_g_console = 5;
console.log(name("a"), json("b"), JsValue + JsOwned + JS_NUM + js_add + jsc_g_console);
function JS_STR(s) { return s + "!"; }
console.log(JS_STR("hi"), typeof name);

// A parameter or local named like a module or a global is the local value inside its function.
const path = require("path");
const fs = require("fs");
function ext(path) {
  return path.split(".").pop();
}
function firstLine(fs) {
  return fs.readFileSync();
}
function report(console) {
  return console.log("not the console");
}
function exitCode(process) {
  return process.exit + 1;
}
function parts(url) {
  var path = url.split("/");
  return path.length;
}
console.log(ext("archive.tar.gz"), path.extname("x.md"));
console.log(firstLine({ readFileSync: function () { return "stub line"; } }), typeof fs.readFileSync);
console.log(report({ log: function (s) { return "logged " + s; } }));
console.log(exitCode({ exit: 41 }));
console.log(parts("a/b/c"));
console.log(JSON.parse("[1,2]").map(function (path) { return path * 2; }));

// Function values carry their JavaScript names.
const helpers = require("./lib/greet_fn");
const api = {
  load: function () {},
  save: function persist() {},
};
const standalone = function () {};
function declared() {}
console.log(api.load, api.save, standalone, declared);
console.log(api.load.name, api.save.name, standalone.name, declared.name);
console.log(helpers, helpers.name, helpers("you"));
