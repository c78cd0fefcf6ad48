function bsearch(a, x) { let lo = 0, hi = a.length - 1; while (lo <= hi) { const mid = (lo + hi) >> 1; if (a[mid] === x) return mid; a[mid] < x ? (lo = mid + 1) : (hi = mid - 1); } return -1; }
function quicksort(a) { if (a.length < 2) return a; const [p, ...rest] = a; return [...quicksort(rest.filter((x) => x < p)), p, ...quicksort(rest.filter((x) => x >= p))]; }
let state = 7; const rand = () => (state = (state * 16807) % 2147483647) % 1000;
const data = Array.from({ length: 40 }, rand);
const sorted = quicksort(data);
console.log(sorted.slice(0, 10), bsearch(sorted, sorted[17]) >= 0, bsearch(sorted, -5));
console.log(JSON.stringify(sorted) === JSON.stringify([...data].sort((a, b) => a - b)));
