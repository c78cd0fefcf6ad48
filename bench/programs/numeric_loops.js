var count = 0;
for (var n = 2; n < 200000; n++) {
  var prime = true;
  for (var d = 2; d * d <= n; d++) {
    if (n % d === 0) {
      prime = false;
      break;
    }
  }
  if (prime) count++;
}
var sum = 0;
for (var i = 0; i < 3000000; i++) {
  sum = (sum + i * 7) % 1000003;
}
console.log(count, sum);
