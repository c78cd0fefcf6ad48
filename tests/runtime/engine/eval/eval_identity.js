// Objects and functions keep their identity across the boundary.
const config = { mode: 'dev', count: 1 };
const keep = new Function('o', 'globalThis.kept = o; return o');
const back = keep(config);
console.log(back === config);
const sameAgain = new Function('o', 'return globalThis.kept === o');
console.log(sameAgain(config));
const engineObj = eval('globalThis.shared = { tag: "engine" }; globalThis.shared');
const isShared = new Function('o', 'return o === globalThis.shared');
console.log(isShared(engineObj), engineObj.tag);
function square(x) { return x * x; }
const applyTwice = new Function('f', 'x', 'return f(f(x))');
console.log(applyTwice(square, 3));
const isSameFn = new Function('f', 'g', 'return f === g');
console.log(isSameFn(square, square));
const engineFn = eval('(function named(a, b) { return [a, b, typeof this]; })');
console.log(engineFn(1, 'two'), typeof engineFn);
const counter = eval('(() => { let n = 0; return () => ++n; })()');
console.log(counter(), counter(), counter());
const method = eval('({ base: 10, add(v) { return this.base + v; } })');
console.log(method.add(5));
