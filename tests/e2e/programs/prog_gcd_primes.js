function gcd(a, b) {
  while (b !== 0) {
    var t = b;
    b = a % b;
    a = t;
  }
  return a;
}
console.log(gcd(48, 18), gcd(17, 5), gcd(100, 75));
function sieve(n) {
  var marks = {};
  var found = "";
  for (var i = 2; i <= n; i++) {
    if (!marks[i]) {
      found += i + " ";
      for (var j = i * i; j <= n; j += i) marks[j] = true;
    }
  }
  return found.trim();
}
console.log(sieve(50));
