var shared = require("./shared");
function right() {
  return shared.id("R");
}
module.exports = { right: right };
