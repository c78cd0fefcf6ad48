// Reads and writes of module.exports, and what a module knows of itself.
const path = require("path");
const m = require("./lib/sound_exports_object");
console.log(m.count, m.before, m.added, m.last, m.isMain, m.idIsFile);
m.register("later", 1);
console.log(m.later, m.last);
console.log(require.main === module, module.id, path.basename(__filename), path.basename(__dirname));
console.log(__filename === module.filename, path.dirname(__filename) === __dirname);
module.exports.own = "entry export";
console.log(module.exports.own);
