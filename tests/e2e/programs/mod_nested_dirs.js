var util = require("./lib/deep/path_util");
console.log(util.wrap("deep"));
