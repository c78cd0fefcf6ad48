// repeat, pad and join cost what their result costs, not what their count says.
console.log(JSON.stringify("".repeat(1e12)), JSON.stringify("ab".repeat(0)), "ab".repeat(3));
console.log(JSON.stringify("".padStart(5)), JSON.stringify("x".padEnd(4, "")), "7".padStart(3, "0"));
try {
  "ab".repeat(2 ** 30);
} catch (e) {
  console.log(e.name, e.message);
}
try {
  "x".repeat(-1);
} catch (e) {
  console.log(e.name, e.message);
}
try {
  "x".padStart(2 ** 31, "ab");
} catch (e) {
  console.log(e.name, e.message);
}
var holes = [];
holes.length = 100000;
console.log("holes joined:", holes.join("").length, holes.join("-").length);
console.log([1, [2, [3, [4]]]].join(";"));
