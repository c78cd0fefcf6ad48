function level3() {
  throw "deep failure";
}
function level2() {
  level3();
  return "unreachable";
}
function level1() {
  try {
    return level2();
  } catch (e) {
    return "recovered from " + e;
  }
}
console.log(level1());
try {
  try {
    throw "inner";
  } catch (e) {
    console.log("first", e);
    throw "rethrown " + e;
  }
} catch (e2) {
  console.log("second", e2);
}
