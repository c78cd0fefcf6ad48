var l = require("./lib/left");
var r = require("./lib/right");
console.log(l.left(), r.right());
