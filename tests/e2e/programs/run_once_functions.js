// Functions that top-level code calls once, or never, next to functions that loops, other functions,
// callbacks and recursion call: every one must behave the same, whatever it is passed, whatever it
// throws, and whatever it hands back. A dependency module with hundreds of top-level variables
// serves the values.
const stats = require('./lib/many_statics.js');

function scale(a, b) { return a * 3 + b - 1; }
function describe(x) { return typeof x + ':' + x; }
function pair(a, b) { return { first: a, second: b, sum: a + b }; }
function fails(msg) { const text = 'failed: ' + msg; throw Error(text); }
function throwsValue(v) { throw { code: v, text: 'thrown ' + v }; }
function neverCalled(a) { return a + 1; }
function usesModule(k) { return stats.bump(k) + stats.sumAll(); }
function deferred() { return 'deferred'; }
function recursive(n) { return n <= 1 ? 1 : n * recursive(n - 1); }
function inLoop(i) { return i * i; }
function asCallback(x) { return x + '!'; }
function withLoop(n) { let s = 0; for (let i = 0; i < n; i++) s += i; return s; }
function shadowing(scale) { return scale * 2; }
function calledTwice(s) { return s + s; }
function passesOn(a, b) { return scale(a, b) + describe(b); }

console.log(scale(4, 2), scale('4', 2), scale(0.5, -1), passesOn(1, 'z'));
console.log(describe(1), describe('s'), describe(null), describe(undefined), describe(true));
const p = pair('x', 2);
console.log(p.first, p.second, p.sum, JSON.stringify(p));
try { fails('once'); } catch (e) { console.log('caught', String(e)); }
try { throwsValue(7); } catch (e) { console.log('caught', e.code, e.text); }
if (scale(1, 1) > 2) console.log('branch', describe(scale(1, 1)));
console.log(usesModule(2), stats.read());
setTimeout(function () { console.log(deferred()); }, 0);
console.log(recursive(10));
let total = 0;
for (let i = 0; i < 5; i++) total += inLoop(i);
console.log(total, asCallback('a'), withLoop(100), shadowing(21));
console.log(calledTwice('ab'), calledTwice(3));
stats.tick(1);
console.log(stats.tick(2), stats.read());
try { stats.failAt(50); } catch (e) { console.log('caught', String(e)); }
console.log(stats.failAt(1), stats.log());
