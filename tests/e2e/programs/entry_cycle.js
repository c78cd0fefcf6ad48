// A module that requires the entry back sees the entry's exports as they
// stand when it runs: what was set before the require, not what comes after.
module.exports.before = "set before";
var back = require("./lib/entry_cycle_back");
module.exports.after = "set after";
console.log(back.sawKeys, back.sawBefore, back.sawAfter);
console.log(back.entryNow() === module.exports, Object.keys(back.entryNow()));
var plain = require("./lib/entry_cycle_plain");
console.log(plain.seen);
