function sign(n) {
  return n > 0 ? "pos" : n < 0 ? "neg" : "zero";
}
console.log(sign(5), sign(-2), sign(0));
var a = null;
var b = a || "default";
var c = "set" && "both";
console.log(b, c);
console.log(0 || "", 1 && 0, !"x", !!"x");
