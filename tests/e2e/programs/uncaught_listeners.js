// 'uncaughtException' listeners take errors from the main statements and from
// callbacks of every kind; the program goes on and ends with status 0.
var fs = require("fs");
var seen = 0;
process.on("uncaughtException", function (err, origin) {
  seen++;
  console.log("listener:", err.message || err, origin, seen);
});
process.on("exit", function (code) {
  console.log("exit", code, seen);
});
function fromImmediate() {
  setImmediate(function () {
    fromFs();
    throw Error("from an immediate");
  });
}
function fromFs() {
  fs.readFile(__filename, function () {
    setTimeout(lastTimer, 5);
    throw "a plain string from an fs callback";
  });
}
function lastTimer() {
  console.log("later timer still runs");
  process.nextTick(function () {
    console.log("its tick runs after a throw");
  });
  throw { code: 42 };
}
setTimeout(function () {
  console.log("timer runs");
  fromImmediate();
  throw Error("from a timer");
}, 1);
process.nextTick(function () {
  throw Error("from a tick");
});
console.log("main goes on to its throw");
throw Error("from main");
console.log("not reached");
