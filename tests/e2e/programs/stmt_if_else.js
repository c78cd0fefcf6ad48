function grade(score) {
  if (score >= 90) {
    return "A";
  } else if (score >= 80) {
    return "B";
  } else if (score >= 70) {
    return "C";
  } else {
    return "F";
  }
}
console.log(grade(95), grade(85), grade(72), grade(10));
var x = 0;
if (x) console.log("truthy");
else console.log("falsy");
if ("") console.log("empty string truthy");
if ("0") console.log("string zero truthy");
