// Sorting numbers with a comparator and strings by default order.
var nums = JSON.parse("[]");
var state = 42;
for (var i = 0; i < 200000; i++) {
  state = (state * 1103515245 + 12345) % 2147483648;
  nums.push(state % 100000);
}
var sorted = nums.slice().sort(function (x, y) { return x - y; });
var strs = JSON.parse("[]");
for (var j = 0; j < 50000; j++) strs.push("k" + nums[j]);
strs.sort();
console.log(sorted[0], sorted[100000], sorted[199999], strs[0], strs[49999]);
