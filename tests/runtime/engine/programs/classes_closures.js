class Shape { constructor(n) { this.name = n; } area() { return 0; } toString() { return `${this.name}(${this.area().toFixed(2)})`; } }
class Circle extends Shape { constructor(r) { super('circle'); this.r = r; } area() { return Math.PI * this.r ** 2; } }
class Rect extends Shape { constructor(w, h) { super('rect'); this.w = w; this.h = h; } area() { return this.w * this.h; } }
const shapes = [new Circle(1), new Rect(2, 3), new Circle(2.5)];
console.log(shapes.map(String).join(', '));
console.log(shapes.sort((a, b) => a.area() - b.area()).map((s) => s.name));
const counter = (() => { let n = 0; return { inc: () => ++n, get value() { return n; } }; })();
counter.inc(); counter.inc();
console.log(counter.value, new Map([[1, 'a'], [2, { b: [1, 2] }]]), new Set(['x', 'y']));
function* fib() { let [a, b] = [0, 1]; for (;;) { yield a; [a, b] = [b, a + b]; } }
const first = []; for (const f of fib()) { if (f > 100) break; first.push(f); }
console.log(first, JSON.stringify({ s: first.slice(0, 3), re: /a+b/g.source }));
console.log('%s has %d items costing %i', 'cart', 3, 42.9, { extra: true });
console.log(shapes[0], [undefined, null, -0, 1e21, 'q\'s']);
