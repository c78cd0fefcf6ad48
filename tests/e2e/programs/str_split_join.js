var csv = "one,two,three,four";
var parts = csv.split(",");
console.log(parts.length);
console.log(parts[2]);
console.log(parts.join(" | "));
console.log(parts.reverse().join(","));
console.log("a-b-c".split("-").join("+"));
