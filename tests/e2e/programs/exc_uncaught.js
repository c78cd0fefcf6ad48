console.log("before the failure");
function fail() {
  throw Error("unhandled problem");
}
fail();
console.log("never printed");
