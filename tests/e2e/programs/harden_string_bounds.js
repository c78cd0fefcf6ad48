// repeat, pad and join cost what their result costs, not what their count says.
console.log(JSON.stringify("".repeat(1e12)), JSON.stringify("ab".repeat(0)), "ab".repeat(3));
console.log(JSON.stringify("".padStart(5)), JSON.stringify("x".padEnd(4, "")), "7".padStart(3, "0"));
try {
  "ab".repeat(Math.pow(2, 30));
} catch (e) {
  console.log(e.name, e.message);
}
try {
  "x".repeat(-1);
} catch (e) {
  console.log(e.name, e.message);
}
try {
  "x".padStart(Math.pow(2, 31), "ab");
} catch (e) {
  console.log(e.name, e.message);
}
var empties = "".padEnd(100000, ",").split(",");
console.log("empties joined:", empties.length, empties.join("").length, empties.join("-").length);
