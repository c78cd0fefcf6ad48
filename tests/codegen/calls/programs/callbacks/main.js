var words = 'pear,apple,fig'.split(',');
words.forEach(function (w, i) { console.log(i, w); });
var lengths = words.map(function (w) { return w.length; });
console.log(lengths.join(' '));
var nums = '10,2,33,4'.split(',').map(function (s) { return Number(s); });
nums.sort(function (a, b) { return a - b; });
console.log(nums.join(','));
console.log(words.slice().sort().join(','));
var total = 0;
nums.forEach(function (n) { total = total + n; });
console.log(total);
function dbl(n) { return n * 2; }
console.log(nums.map(dbl).join(','));
console.log(nums.filter(function (n) { return n > 5; }).length);
