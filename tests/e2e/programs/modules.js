// Modules: exports in every shape, shared and nested modules, cycles, what a
// module knows of itself, and built-in module names.
const path = require("path");

// value export
var config = require("./lib/config");
console.log(config.name, config.level);

// object exports
var m = require("./lib/math_obj");
console.log(m.add(2, 3), m.mul(4, 5), m.times(6, 7));

// property exports
var p = require("./lib/props");
console.log(p.square(7), p.cube(3));

// destructured require
const { add, mul } = require("./lib/math_obj");
const { square: sq } = require("./lib/props");
console.log(add(1, 2), mul(3, 4), sq(5));

// function export
const greet = require("./lib/greet_fn");
console.log(greet("World"));
console.log(greet("Orvan"));

// a function export used as a value
var dbl = require('./lib/dbl_whole');
function apply(f, x) { return f(x); }
var o = { f: dbl };
console.log(dbl(4), apply(dbl, 5), typeof dbl, o.f(6));

// nested directories
var util = require("./lib/deep/path_util");
console.log(util.wrap("deep"));

// module state
var counter = require("./lib/counter");
counter.next();
counter.next();
console.log(counter.current());
console.log(counter.next());

// a module runs once however often it is required
console.log("start");
var a = require("./lib/shared_once");
var b = require("./lib/shared_once");
console.log(a.id(1), b.id(2));

// diamond: two modules share a third, which runs once
var l = require("./lib/left");
var r = require("./lib/right");
console.log(l.left(), r.right());

// Modules that require each other, at the top level and inside a function, behave as in Node.
const cyc = require("./lib/sound_cycle_a");
console.log(cyc.fromB);
console.log(cyc.callB());
console.log(cyc.early, cyc.late);

// Reads and writes of module.exports, and what a module knows of itself.
const exp = require("./lib/sound_exports_object");
console.log(exp.count, exp.before, exp.added, exp.last, exp.isMain, exp.idIsFile);
exp.register("later", 1);
console.log(exp.later, exp.last);
console.log(require.main === module, module.id, path.basename(__filename), path.basename(__dirname));
console.log(__filename === module.filename, path.dirname(__filename) === __dirname);
module.exports.own = "entry export";
console.log(module.exports.own);

// var declared in a top-level block or for head is visible to the module's functions.
const describe = require("./lib/sound_block_vars");
if (process.argv.length > 0) {
  var cfg = { name: "entry" };
}
for (var k = 0; k < 5; k++) {}
function read() {
  return cfg.name + " " + k;
}
console.log(read(), describe());

// node: names are the built-in modules; a package that is not there throws when it is required.
const fs = require("node:fs");
const nodePath = require("node:path");
const { join } = require("node:path");
console.log(typeof fs.readFileSync, nodePath.basename("/a/b.txt"), join("x", "y"));
console.log(require("node:os") === require("os"));
let optional = null;
try {
  optional = require("sound-optional-package-that-is-not-installed");
} catch (e) {
  console.log("missing:", e.code, e.message.split("\n")[0]);
}
console.log(optional);
