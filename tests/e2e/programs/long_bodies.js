// Top-level code long enough to be written in several pieces: statements keep their order, names
// declared in one piece are seen by later ones, loops and run-once code interleave, and a
// destructuring declaration in the middle keeps the rest in reach of its names.
const mod = require('./lib/long_init');
let total = 0;
let seen = '';
function note(x) { seen += x + ' '; return x; }
total += note(1);
total += note(2);
total *= 3;
if (total > 5) { total -= 1; } else { total += 100; }
for (let k = 0; k < 4; k++) total += k;
var label = 'total:' + total;
note(label);
let obj = { a: 1, b: 2 };
obj.c = obj.a + obj.b;
total += obj.c;
while (total < 40) total += 7;
note(total);
try { null.x; } catch (e) { note(e instanceof TypeError); }
const { a, b } = obj;
note(a + b);
let w = 0;
do { w += a; } while (w < 5);
note(w);
switch (w % 3) { case 0: note('zero'); break; default: note('other'); }
total += a * b;
note(typeof label);
note((function (x) { return x * b; })(3));
outer: for (let i = 0; i < 3; i++) { for (let j = 0; j < 3; j++) { if (j === 1) continue outer; total += j; } }
note(total);
console.log(seen);
console.log(mod.total, mod.after, mod.log);
