class Temperature { constructor(c) { this.c = c; } get [Symbol.toStringTag]() { return 'Temp'; } }
console.log(new Temperature(21), [new Temperature(1)]);
class Custom { [Symbol.for('nodejs.util.inspect.custom')]() { return 'CUSTOM!'; } }
console.log(new Custom(), { nested: new Custom() });
console.log(Array.from({ length: 7 }, (_, i) => 'item' + i), Array.from({ length: 30 }, (_, i) => i * 1000));
console.log({ s: 'it\'s "quoted"', n: '\n\t', u: 'ünï', e: '' }, ['a\\b']);
console.log([1.5, -0, NaN, Infinity, 1e-7, 2 ** 40], { undef: undefined, nul: null });
console.log(Object.assign(() => {}, { prop: 1 }), Object.assign(function f() {}, { a: [1] }));
const arr = [1, 2, 3]; arr.extra = 'x'; console.log(arr, new Array(3), [, 1, , 2]);
console.log(new Error('top').message, { err: new RangeError('inner') }.err.name, [new Set([[1, 2]])], new Map([[{ k: 1 }, new Set()]]));
console.log('x'.repeat(100));
console.log({ longString: 'y'.repeat(90), short: 1 });
console.log([[1, 2, [3, 4, [5, [6]]]], { a: { b: { c: { d: { e: 1 } } } } }]);
