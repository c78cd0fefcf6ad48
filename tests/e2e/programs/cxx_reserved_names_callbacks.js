var total = 0;
var delete_ = 'd';
var list = JSON.parse('[3, 1, 2]');
list.forEach(function (int, index) { total += int * index; });
var sorted = list.sort(function (float, double) { return float - double; });
console.log(total, sorted.join(','), delete_);
function main(argc, argv) { return argc + argv; }
console.log(main(1, 2));
var std = { out: 'o' }, errno = 5, assert = function (v) { return !!v; };
console.log(std.out, errno, assert(0), assert(1));
var ops = { double: function (x) { return x * 2; } };
console.log(ops.double(4), ops['double'](5));
