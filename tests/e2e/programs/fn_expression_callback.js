var nums = JSON.parse("[5, 3, 8, 1]");
var doubled = nums.map(function (n) { return n * 2; });
console.log(doubled.join(","));
var evens = nums.filter(function (n) { return n % 2 === 0; });
console.log(evens.length);
var total = nums.reduce(function (acc, n) { return acc + n; }, 0);
console.log(total);
nums.sort(function (a, b) { return a - b; });
console.log(nums.join(" "));
