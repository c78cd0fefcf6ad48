function kind(x) {
  switch (x) {
    case 1:
      return "one";
    case 2:
      return "two";
    case "three":
      return "string three";
    default:
      return "other";
  }
}
console.log(kind(1), kind(2), kind("three"), kind(4));
function size(n) {
  var label = "";
  switch (n) {
    case 0:
      label = "none";
      break;
    case 1:
    case 2:
      label = "few";
      break;
    default:
      label = "many";
  }
  return label;
}
console.log(size(0), size(1), size(2), size(9));
