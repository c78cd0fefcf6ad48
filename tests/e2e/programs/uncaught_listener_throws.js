// A listener for 'uncaughtException' that throws itself ends the program with
// status 7, and the 'exit' listeners do not run.
process.on("uncaughtException", function (err) {
  console.log("listener got", err.message);
  throw Error("the listener fails too");
});
process.on("exit", function (code) {
  console.log("exit", code);
});
setTimeout(function () {
  throw Error("first");
}, 1);
