// process.exit(5) sets exitCode; an 'exit' listener that changes it decides
// the status the program ends with (3), as in Node.
process.on("exit", function (code) {
  console.log("first listener", code, process.exitCode);
  process.exitCode = 3;
});
process.on("exit", function (code) {
  console.log("second listener", code, process.exitCode);
});
setTimeout(function () {
  process.exit(5);
}, 1);
