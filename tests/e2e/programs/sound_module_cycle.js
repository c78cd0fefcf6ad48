// Modules that require each other, at the top level and inside a function, behave as in Node.
const a = require("./lib/sound_cycle_a");
console.log(a.fromB);
console.log(a.callB());
console.log(a.early, a.late);
