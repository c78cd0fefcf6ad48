// node: names are the built-in modules; a package that is not there throws when it is required.
const fs = require("node:fs");
const path = require("node:path");
const { join } = require("node:path");
console.log(typeof fs.readFileSync, path.basename("/a/b.txt"), join("x", "y"));
console.log(require("node:os") === require("os"));
let optional = null;
try {
  optional = require("sound-optional-package-that-is-not-installed");
} catch (e) {
  console.log("missing:", e.code, e.message.split("\n")[0]);
}
console.log(optional);
