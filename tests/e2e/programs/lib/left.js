var shared = require("./shared");
function left() {
  return shared.id("L");
}
module.exports = { left: left };
