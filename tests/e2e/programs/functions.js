// ackermann
function ack(m, n) {
  if (m === 0) return n + 1;
  if (n === 0) return ack(m - 1, 1);
  return ack(m - 1, ack(m, n - 1));
}
console.log(ack(2, 3));
console.log(ack(3, 3));

// expression callback
var nums = JSON.parse("[5, 3, 8, 1]");
var doubled = nums.map(function (n) { return n * 2; });
console.log(doubled.join(","));
var evens = nums.filter(function (n) { return n % 2 === 0; });
console.log(evens.length);
var total = nums.reduce(function (acc, n) { return acc + n; }, 0);
console.log(total);
nums.sort(function (a, b) { return a - b; });
console.log(nums.join(" "));

// global state
var counter = 0;
function bump(by) {
  counter = counter + by;
  return counter;
}
bump(1);
bump(5);
console.log(counter);
console.log(bump(10));

// missing args
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

// mutual
function isEven(n) {
  if (n === 0) return true;
  return isOdd(n - 1);
}
function isOdd(n) {
  if (n === 0) return false;
  return isEven(n - 1);
}
console.log(isEven(10), isOdd(7), isEven(3));

// nested
function outer(x) {
  function double(v) {
    return v * 2;
  }
  function square(v) {
    return v * v;
  }
  return double(x) + square(x);
}
console.log(outer(3));
console.log(outer(10));

// recursion
function fib(n) {
  if (n < 2) return n;
  return fib(n - 1) + fib(n - 2);
}
function fact(n) {
  return n <= 1 ? 1 : n * fact(n - 1);
}
console.log(fib(20));
console.log(fact(10));
console.log(fact(20));

// value
function add(a, b) {
  return a + b;
}
var op = add;
console.log(op(2, 3));
var twice = function (x) { return x * 2; };
console.log(twice(21));
console.log(typeof add, typeof twice);

// arrows bound to C++ keyword names
const double = n => n * 2;
const int = (a, b) => a + b;
function main() {
  const label = 'x';
  console.log(double(int(1, 2)), typeof double);
  let total = 0;
  for (let i = 0; i < 3; i++) total += double(i);
  console.log(`${label}=${total}`);
}
main();
