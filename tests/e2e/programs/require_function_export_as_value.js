// A module that exports one function whole: the requiring variable holds the function as a value too.
var dbl = require('./lib/dbl_whole');
function apply(f, x) { return f(x); }
var o = { f: dbl };
console.log(dbl(4), apply(dbl, 5), typeof dbl, o.f(6));
