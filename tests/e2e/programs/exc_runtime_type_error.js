var obj;
try {
  console.log(obj.field);
} catch (e) {
  console.log(String(e).indexOf("TypeError") === 0);
}
try {
  var n = null;
  n.method();
} catch (e) {
  console.log("null call caught");
}
console.log("still running");
