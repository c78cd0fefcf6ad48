// One half of a cycle: requires b at the top level while its own exports are only partly filled.
module.exports.early = "a-early";
const b = require("./sound_cycle_b");
module.exports.late = "a-late";
module.exports.fromB = b.seenFromB;
module.exports.callB = function () { return b.describe(); };
