console.log("start");
var a = require("./lib/shared");
var b = require("./lib/shared");
console.log(a.id(1), b.id(2));
