const leftPad = require("left-pad");
const path = require("path");
const fmt = require("./format");
console.log(leftPad("5", 3, "0"));
console.log(leftPad("42", 8, "*"));
console.log(fmt.row("id", leftPad("7", 4, "0")));
console.log(path.basename("/var/data/report.txt"));
