function risky(n) {
  if (n > 2) throw "too big: " + n;
  return n * 10;
}
try {
  console.log(risky(1));
  console.log(risky(5));
  console.log("not reached");
} catch (e) {
  console.log("caught", e);
}
console.log("after");
