const { join, basename } = require("path");
console.log(join("a", "b", "c"));
console.log(basename("/tmp/file.md"));
