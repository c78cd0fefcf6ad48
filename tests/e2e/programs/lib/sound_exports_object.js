// module.exports is one object from the start of the module.
module.exports.count = 0;
module.exports.count += 1;
module.exports.count++;
const before = module.exports.count;
function register(key, value) {
  module.exports[key] = value;
  module.exports.last = key;
}
register("added", "by a function");
module.exports.before = before;
module.exports.register = register;
module.exports.isMain = require.main === module;
module.exports.idIsFile = module.id === module.filename;
