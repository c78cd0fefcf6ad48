// The other half: sees a's exports as they stand when the cycle reaches it, and requires a again later.
const a = require("./sound_cycle_a");
module.exports.seenFromB = "early=" + a.early + " late=" + a.late;
module.exports.describe = function () {
  const again = require("./sound_cycle_a");
  return "b sees " + again.early + " and " + again.late;
};
