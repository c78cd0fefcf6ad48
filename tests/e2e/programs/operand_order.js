// Operands, keys and values are evaluated left to right.
var log = '';
function f(tag, v) { log += tag; return v; }
var counter = 0;
function bump() { counter += 10; return counter; }
console.log(f('a', 1) + f('b', 2), f('c', 3) * f('d', 4) - f('e', 5), log);
log = '';
console.log(f('a', 1) < f('b', 2), f('c', 'x') === f('d', 'x'), (f('e', 5) | f('f', 2)) << f('g', 1), log);
log = '';
console.log(f('a', 0) || f('b', 7), f('c', 1) && f('d', 8), log);
log = '';
console.log(counter + bump(), bump() + counter, counter);
var o = { k: 1 };
function setK() { o.k = 100; return 5; }
o.k += setK();
console.log(o.k);
log = '';
var obj = {};
obj[f('k1', 'p')] = f('v1', 1);
var lit = { first: f('a', 1), second: f('b', 2) };
var arrLike = { 0: 'zero', 1: 'one' };
console.log(arrLike[f('i', 0)] + arrLike[f('j', 1)], lit.first, lit.second, obj.p, log);
counter = 1;
counter += bump();
console.log(counter);
function local() { var x = 1; var y = x + f('z', 2); return y + x; }
console.log(local(), log);
counter = 0;
console.log(counter, bump(), counter);
