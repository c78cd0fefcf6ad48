// fill, reduceRight, findLast, findLastIndex, flat and flatMap on arrays.
function t(name, f) {
  try {
    console.log(name, f());
  } catch (e) {
    console.log(name, "threw", e.name, e.message);
  }
}
var nums = JSON.parse("[1, 2, 3, 4, 5]");
t("fill all", function () { return JSON.parse("[1, 2, 3]").fill(0); });
t("fill a range", function () { return JSON.parse("[1, 2, 3, 4, 5]").fill(9, 1, 3); });
t("fill from the end", function () { return JSON.parse("[1, 2, 3, 4, 5]").fill("x", -2); });
t("fill an empty range", function () { return JSON.parse("[1, 2, 3]").fill(7, 2, 1); });
t("fill past the ends", function () { return JSON.parse("[1, 2, 3]").fill(null, -10, 10); });
t("fill of Array(n)", function () { return Array(4).fill(0).join("-"); });
var same = JSON.parse("[0]");
t("fill returns the array", function () { return same.fill(1) === same; });
t("reduceRight", function () { return nums.reduceRight(function (acc, x) { return acc + x; }, ""); });
t("reduceRight without a start", function () { return nums.reduceRight(function (acc, x, i) { return acc * 10 + x + i; }); });
t("reduceRight of nothing", function () { return JSON.parse("[]").reduceRight(function (a, b) { return a + b; }); });
t("reduceRight of nothing, with a start", function () { return JSON.parse("[]").reduceRight(function (a, b) { return a + b; }, 42); });
t("reduceRight with no function", function () { return nums.reduceRight(5); });
t("findLast", function () { return nums.findLast(function (x) { return x % 2 === 0; }); });
t("findLastIndex", function () { return nums.findLastIndex(function (x) { return x < 3; }); });
t("findLast of none", function () { return nums.findLast(function (x) { return x > 10; }) + " " + nums.findLastIndex(function (x) { return x > 10; }); });
t("findLast with no function", function () { return nums.findLast(); });
var nested = JSON.parse('[1, [2, [3, [4, [5]]]], [], "s"]');
t("flat", function () { return JSON.stringify(nested.flat()); });
t("flat 2", function () { return JSON.stringify(nested.flat(2)); });
t("flat Infinity", function () { return JSON.stringify(nested.flat(Infinity)); });
t("flat 0", function () { return JSON.stringify(nested.flat(0)) + " " + (nested.flat(0) !== nested); });
t("flat -1 and NaN", function () { return JSON.stringify(nested.flat(-1)) + JSON.stringify(nested.flat(NaN)); });
t("flatMap", function () { return JSON.stringify(nums.flatMap(function (x, i) { return x % 2 ? JSON.parse("[]").concat(x, i) : x * 10; })); });
t("flatMap keeps deeper arrays", function () { return JSON.stringify(JSON.parse("[1]").flatMap(function () { return JSON.parse("[[1, [2]]]"); })); });
t("flatMap with no function", function () { return nums.flatMap("x"); });
console.log(nums);
