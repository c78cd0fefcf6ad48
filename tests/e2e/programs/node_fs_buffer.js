const fs = require("fs");
const os = require("os");
const path = require("path");
var file = path.join(os.tmpdir(), "orvan-e2e-buf-" + process.pid + ".bin");
fs.writeFileSync(file, "AB");
var buf = fs.readFileSync(file);
console.log(buf.length, buf[0], buf[1]);
console.log(buf.toString());
fs.unlinkSync(file);
