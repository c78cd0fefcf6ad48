var sum = 0;
for (var i = 1; i <= 1000; i++) {
  sum += i * i;
}
console.log(sum);
var primes = 0;
for (var n = 2; n < 2000; n++) {
  var isPrime = true;
  for (var d = 2; d * d <= n; d++) {
    if (n % d === 0) {
      isPrime = false;
      break;
    }
  }
  if (isPrime) primes++;
}
console.log(primes);
