// A small inventory program: modules, objects, exceptions, fs, path and os.
const fs = require("fs");
const path = require("path");
const os = require("os");
const stock = require("./stock");
const report = require("./report");

stock.add("A100", "bolts", 500, 0.05);
stock.add("B200", "nuts", 320, 0.04);
stock.add("C300", "washers", 80, 0.02);
stock.add("D400", "hinges", 12, 3.5);

stock.remove("A100", 120);
stock.remove("D400", 2);
try {
  stock.remove("C300", 1000);
} catch (e) {
  console.log("refused: " + e);
}

function checksum(text) {
  var sum = 0;
  for (var i = 0; i < text.length; i++) sum = (sum * 31 + text.charCodeAt(i)) % 1000000007;
  return sum;
}

var codes = stock.codes();
var total = 0;
var lines = "";
for (var i = 0; i < codes.length; i++) {
  var item = stock.get(codes[i]);
  total += item.qty * item.price;
  lines += report.line(codes[i], item) + "\n";
}
console.log(lines + "total value: " + report.money(total));

var file = path.join(os.tmpdir(), "orvan-inventory-" + process.pid + ".txt");
fs.writeFileSync(file, lines);
var saved = fs.readFileSync(file, "utf8");
console.log("saved " + saved.length + " bytes, checksum " + checksum(saved));
fs.unlinkSync(file);
