function add(a, b) {
  return a + b;
}
var op = add;
console.log(op(2, 3));
var twice = function (x) { return x * 2; };
console.log(twice(21));
console.log(typeof add, typeof twice);
