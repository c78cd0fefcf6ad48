// The entry's exports object, though the entry never names module after this point.
var { before } = require("../entry_cycle");
module.exports.seen = typeof require("../entry_cycle") + " " + before;
