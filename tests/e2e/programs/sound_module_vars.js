// var declared in a top-level block or for head is visible to the module's functions.
const describe = require("./lib/sound_block_vars");
if (process.argv.length > 0) {
  var cfg = { name: "entry" };
}
for (var k = 0; k < 5; k++) {}
function read() {
  return cfg.name + " " + k;
}
console.log(read(), describe());
