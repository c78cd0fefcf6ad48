var n = 0;
function next() { n = n + 1; return n; }
console.log(next(), next(), next());
function pair(a, b) { return a + ':' + b; }
console.log(pair(next(), next()));
var o = { m: function (a, b) { return a * 10 + b; } };
console.log(o.m(next(), next()));
var show = function (a, b, c) { return a + b + c; };
console.log(show(next(), n, next()));
