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
