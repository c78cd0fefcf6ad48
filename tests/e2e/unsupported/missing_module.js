// expect: 1 orvan: cannot open: 
var gone = require("./does-not-exist");
console.log(gone);
