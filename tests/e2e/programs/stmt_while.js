var n = 27;
var steps = 0;
while (n !== 1) {
  if (n % 2 === 0) n = n / 2;
  else n = 3 * n + 1;
  steps++;
}
console.log(steps);
var k = 0;
do {
  k += 3;
} while (k < 10);
console.log(k);
var once = 0;
do {
  once++;
} while (false);
console.log(once);
