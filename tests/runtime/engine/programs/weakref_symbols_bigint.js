const big = 2n ** 64n - 1n; console.log(big, big.toString(16), BigInt.asUintN(8, 257n), typeof big, big > 1e18);
const fact = (n) => (n <= 1n ? 1n : n * fact(n - 1n)); console.log(fact(25n));
const iter = { from: 1, to: 3, [Symbol.iterator]() { let c = this.from, t = this.to; return { next: () => (c <= t ? { value: c++, done: false } : { value: undefined, done: true }) }; } };
console.log([...iter], Symbol.for('app') === Symbol.for('app'), Symbol.keyFor(Symbol.for('app')));
console.log([10n, 2n, 33n].sort((a, b) => (a < b ? -1 : 1)), 7n / 2n, -7n % 3n);
