const mul = (A, B) => A.map((row) => B[0].map((_, j) => row.reduce((s, v, k) => s + v * B[k][j], 0)));
const identity = (n) => Array.from({ length: n }, (_, i) => Array.from({ length: n }, (_, j) => +(i === j)));
const A = [[1, 2], [3, 4]];
console.log(mul(A, A), mul(A, identity(2)));
const det = (m) => (m.length === 1 ? m[0][0] : m[0].reduce((s, v, j) => s + (j % 2 ? -1 : 1) * v * det(m.slice(1).map((r) => r.filter((_, k) => k !== j))), 0));
console.log(det([[2, 0, 1], [1, 3, 2], [1, 1, 1]]), Math.hypot(3, 4), Math.cbrt(27), (0.1 + 0.7) * 10);
const primes = []; for (let n = 2; primes.length < 15; n++) if (primes.every((p) => n % p)) primes.push(n);
console.log(primes);
