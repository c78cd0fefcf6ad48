// expect: 0 is not a known Node.js builtin
var pad = require("left-pad");
console.log(pad("1", 3, "0"));
