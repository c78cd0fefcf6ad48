// require of a .json file gives its parsed value, once per program: a second
// require is the same object. Bad JSON is a SyntaxError the require throws.
var config = require("./lib/require_json_config.json");
console.log(config, config.servers[1].port, config.name.length);
config.added = true;
console.log(require("./lib/require_json_config.json") === config, require("./lib/require_json_config.json").added);
console.log(require("./lib/require_json_list.json"), require("./lib/require_json_list.json").length);
try {
  require("./lib/require_json_bad.json");
  console.log("no error");
} catch (e) {
  console.log(e.name);
}
