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
