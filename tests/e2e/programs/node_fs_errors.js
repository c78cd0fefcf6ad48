const fs = require("fs");
try {
  fs.readFileSync("/nonexistent/orvan/file.txt", "utf8");
  console.log("not reached");
} catch (e) {
  console.log(String(e).indexOf("ENOENT") >= 0);
}
console.log(fs.existsSync("/nonexistent/orvan"));
