var result = (function (n) { return n * 2; })(21);
console.log(result);
var make = function (a) { return function (b) { return b + 1; }; };
console.log(make(1)(41));
var ops = { inc: function (n) { return n + 1; }, dec: function (n) { return n - 1; } };
var name = 'inc';
console.log(ops[name](1), ops['dec'](1));
console.log(parseInt('42px') + 1);
function add(a, b) { return a + b; }
console.log(add(1));
console.log(require('./lib').hello('calls'));
var fnRef = add;
console.log(fnRef(2, 3));
