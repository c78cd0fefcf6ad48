// An error thrown by a timer's callback ends the program with status 1, and
// the process's 'exit' listeners still run, with exitCode already 1.
process.on("exit", function (code) {
  console.log("exit listener", code, process.exitCode);
});
setTimeout(function () {
  console.log("in the timer");
  null.boom;
}, 1);
setTimeout(function () {
  console.log("never runs");
}, 50);
