// Plain algorithms over arrays, objects and JSON.

// Array methods: filter/map/reduce, sets, flat, at, grouping, holes.
{
  const nums = Array.from({ length: 20 }, (_, i) => (i * 7) % 13);
  console.log(nums);
  console.log(nums.filter((n) => n % 2).map((n) => n * n).reduce((a, b) => a + b, 0));
  console.log([...new Set(nums)].sort((a, b) => b - a), nums.indexOf(6), nums.includes(12), nums.findLast((n) => n > 10));
  console.log([[1, [2, [3, [4]]]]].flat(Infinity), ['b', 'a', 'c'].toSorted ? 'has toSorted' : 'no toSorted');
  console.log(Object.entries({ x: 1, y: 2 }).map(([k, v]) => `${k}=${v}`).join('&'), Array.of(3, 4).at(-1));
  const grouped = nums.reduce((acc, n) => { (acc[n % 3] ||= []).push(n); return acc; }, {});
  console.log(grouped);
  console.log(new Array(5).fill().map((_, i) => i ** 2), [3, 1, 2].sort(), ['x', , 'z']);
}

// Quicksort and binary search over seeded random numbers.
{
  function bsearch(a, x) { let lo = 0, hi = a.length - 1; while (lo <= hi) { const mid = (lo + hi) >> 1; if (a[mid] === x) return mid; a[mid] < x ? (lo = mid + 1) : (hi = mid - 1); } return -1; }
  function quicksort(a) { if (a.length < 2) return a; const [p, ...rest] = a; return [...quicksort(rest.filter((x) => x < p)), p, ...quicksort(rest.filter((x) => x >= p))]; }
  let state = 7; const rand = () => (state = (state * 16807) % 2147483647) % 1000;
  const data = Array.from({ length: 40 }, rand);
  const sorted = quicksort(data);
  console.log(sorted.slice(0, 10), bsearch(sorted, sorted[17]) >= 0, bsearch(sorted, -5));
  console.log(JSON.stringify(sorted) === JSON.stringify([...data].sort((a, b) => a - b)));
}

// Matrix product and determinant, Math functions, primes.
{
  const mul = (A, B) => A.map((row) => B[0].map((_, j) => row.reduce((s, v, k) => s + v * B[k][j], 0)));
  const identity = (n) => Array.from({ length: n }, (_, i) => Array.from({ length: n }, (_, j) => +(i === j)));
  const A = [[1, 2], [3, 4]];
  console.log(mul(A, A), mul(A, identity(2)));
  const det = (m) => (m.length === 1 ? m[0][0] : m[0].reduce((s, v, j) => s + (j % 2 ? -1 : 1) * v * det(m.slice(1).map((r) => r.filter((_, k) => k !== j))), 0));
  console.log(det([[2, 0, 1], [1, 3, 2], [1, 1, 1]]), Math.hypot(3, 4), Math.cbrt(27), (0.1 + 0.7) * 10);
  const primes = []; for (let n = 2; primes.length < 15; n++) if (primes.every((p) => n % p)) primes.push(n);
  console.log(primes);
}

// Recursion over a tree, and the towers of Hanoi.
{
  const tree = { name: 'root', children: [{ name: 'a', children: [{ name: 'a1', children: [] }, { name: 'a2', children: [] }] }, { name: 'b', children: [] }] };
  function print(node, depth = 0) { console.log('  '.repeat(depth) + node.name); node.children.forEach((c) => print(c, depth + 1)); }
  print(tree);
  const count = (n) => 1 + n.children.reduce((s, c) => s + count(c), 0);
  const depth = (n) => 1 + Math.max(0, ...n.children.map(depth));
  console.log(count(tree), depth(tree), JSON.stringify(tree).length);
  const hanoi = (n, a, b, c) => (n === 0 ? 0 : hanoi(n - 1, a, c, b) + 1 + hanoi(n - 1, c, b, a));
  console.log(hanoi(16, 'a', 'b', 'c'));
}

// Word frequencies of a text.
{
  const text = `It was the best of times, it was the worst of times, it was the age of wisdom,
it was the age of foolishness, it was the epoch of belief, it was the epoch of incredulity.`;
  const words = text.toLowerCase().match(/[a-z']+/g);
  const freq = words.reduce((m, w) => m.set(w, (m.get(w) || 0) + 1), new Map());
  const top = [...freq].sort((a, b) => b[1] - a[1] || a[0].localeCompare(b[0])).slice(0, 5);
  console.log(words.length, freq.size, top);
  console.log(text.split('\n').map((l) => l.length), text.replace(/\bit\b/gi, 'IT').slice(0, 40));
}

// A deep merge of parsed JSON configuration.
{
  const defaults = { server: { port: 80, host: 'localhost', tls: { enabled: false } }, log: ['info'] };
  const override = JSON.parse('{"server":{"port":8443,"tls":{"enabled":true,"cert":"c.pem"}},"log":["debug"]}');
  const isObj = (v) => v && typeof v === 'object' && !Array.isArray(v);
  const deepMerge = (a, b) => Object.keys({ ...a, ...b }).reduce((o, k) => ({ ...o, [k]: isObj(a[k]) && isObj(b[k]) ? deepMerge(a[k], b[k]) : k in b ? b[k] : a[k] }), {});
  const cfg = deepMerge(defaults, override);
  console.log(cfg);
  console.log(JSON.stringify(cfg, null, '\t').split('\n').length, Object.keys(cfg.server).sort());
}

// JSON.parse and stringify: indentation, replacers, revivers, toJSON, errors.
{
  const data = JSON.parse('{"users":[{"name":"Ann","age":31,"tags":["a","b"]},{"name":"Bo","age":25,"tags":[]}],"meta":{"v":1.5,"ok":true,"none":null}}');
  console.log(data.users.map((u) => u.name), data.meta);
  console.log(JSON.stringify(data, null, 2));
  console.log(JSON.stringify({ d: new Date(86400000), u: undefined, f() {}, n: NaN, nested: [undefined] }));
  console.log(JSON.stringify(data, (k, v) => (k === 'tags' ? v.length : v)));
  console.log(JSON.stringify({ a: 1, b: 2, c: 3 }, ['a', 'c']), JSON.stringify('\u2028\ud800'), JSON.stringify({ toJSON() { return 'custom'; } }));
  try { JSON.parse('{bad json}'); } catch (e) { console.log(e.name); }
  const revived = JSON.parse('{"when":"2020-01-01T00:00:00.000Z"}', (k, v) => (k === 'when' ? new Date(v) : v));
  console.log(revived.when.getUTCFullYear(), revived);
}
