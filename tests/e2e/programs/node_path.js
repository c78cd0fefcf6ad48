const path = require("path");
console.log(path.join("/a/b", "../c", "d.txt"));
console.log(path.dirname("/x/y/z.js"), path.basename("/x/y/z.js"), path.basename("/x/y/z.js", ".js"));
console.log(path.extname("archive.tar.gz"), path.extname("noext"));
console.log(path.resolve("/root/dir/../file"));
console.log(path.normalize("/a//b/./c/../d"));
console.log(path.isAbsolute("/abs"), path.isAbsolute("rel/x"));
console.log(path.relative("/data/a/b", "/data/c"));
console.log(path.sep);
