// bitwise
console.log(5 & 3, 5 | 3, 5 ^ 3);
console.log(1 << 4, 256 >> 2);
console.log(1 << 31, -16 >> 2);
console.log(7.9 | 0, ~5);
var flags = 0;
flags = flags | 4;
flags = flags | 1;
console.log(flags, (flags & 4) !== 0, (flags & 2) !== 0);

// compare
console.log(1 < 2, 2 <= 2, 3 > 4, 4 >= 5);
console.log(1 == 1, 1 === 1, 1 != 2, "a" !== "a");
console.log(null == undefined, null === null, undefined === undefined);
console.log(NaN === NaN, 0 === -0);

// fixed
var x = 3.14159;
console.log(x.toFixed(2));
console.log((10).toFixed(1));
console.log((255).toString(16), (255).toString(2));
console.log((1234.5678).toFixed(0));
console.log(Number("42") + 1, Number("abc"), Number(""));

// format
console.log(0.1 + 0.2);
console.log(1 / 3);
console.log(1e21, 1e-7, 123456789012);
console.log(-0, 0 / 0, 1 / 0, -1 / 0);
console.log(String(-0));
console.log(2 ** 10, 7 % 3, -7 % 3);
console.log(0x1F, 1.50, 100);

// increment
var a = 5;
var b = a++;
var c = ++a;
console.log(a, b, c);
var d = a--;
--a;
console.log(a, d);
var s = "3";
s++;
console.log(s);
var total = 10;
total -= 3;
total *= 2;
total /= 7;
total %= 3;
console.log(total);

// loops
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

// math
console.log(Math.floor(3.7), Math.ceil(3.2), Math.round(2.5), Math.round(-2.5));
console.log(Math.max(1, 9, 4), Math.min(1, 9, 4));
console.log(Math.abs(-7), Math.pow(2, 8), Math.sqrt(144));
console.log(Math.PI.toFixed(5), Math.E > 2.7);
console.log(Math.trunc(-4.7), Math.sign(-3), Math.hypot(3, 4));
var r = Math.random();
console.log(r >= 0 && r < 1);

// parse
console.log(parseInt("42px"), parseInt("ff", 16), parseFloat("3.5e2"));
console.log(isNaN(parseInt("x")), isFinite(10), isFinite(1 / 0));
console.log(Number("  12 "), Number("0x10"), Number(null), Number(true));

// remainders of whole numbers past 2^53, where an integer division stands in for fmod
var rnd = 42;
for (var r = 0; r < 3; r++) rnd = (rnd * 1103515245 + 12345) % 2147483648;
console.log(rnd, (2 ** 60 + 4096) % 7, 1e19 % 1000003, 18446744073709550000 % 97, 2 ** 64 % 10);
console.log(2 ** 63 % 2 ** 52, 9007199254740994 % 3, 1e300 % 7, 4e18 % 0.5, 4e18 % 1.5, 1 / (2 ** 60 % 4));
console.log(-(2 ** 60) % 7, 2 ** 60 % -7, 2 ** 60 % 9007199254740993, 2 ** 60 % 2 ** 53, 1e19 % Infinity);
