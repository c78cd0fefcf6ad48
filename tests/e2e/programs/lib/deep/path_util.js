var up = require("../greet_fn");
function wrap(s) {
  return "<" + up(s) + ">";
}
module.exports = { wrap: wrap };
