function show(a, b, c) {
  console.log(a, b, c);
  return b === undefined;
}
console.log(show(1));
console.log(show(1, 2, 3));
function noReturn() {
  var x = 1;
  x = x + 1;
}
console.log(noReturn());
