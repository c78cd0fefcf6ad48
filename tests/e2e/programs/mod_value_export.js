var config = require("./lib/config");
console.log(config.name, config.level);
