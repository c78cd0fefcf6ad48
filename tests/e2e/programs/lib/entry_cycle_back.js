// Requires the entry that is still running.
var entry = require("../entry_cycle");
module.exports = {
  sawKeys: Object.keys(entry),
  sawBefore: entry.before,
  sawAfter: entry.after,
  entryNow: function () { return require("../entry_cycle.js"); },
};
