const nums = Array.from({ length: 20 }, (_, i) => (i * 7) % 13);
console.log(nums);
console.log(nums.filter((n) => n % 2).map((n) => n * n).reduce((a, b) => a + b, 0));
console.log([...new Set(nums)].sort((a, b) => b - a), nums.indexOf(6), nums.includes(12), nums.findLast((n) => n > 10));
console.log([[1, [2, [3, [4]]]]].flat(Infinity), ['b', 'a', 'c'].toSorted ? 'has toSorted' : 'no toSorted');
console.log(Object.entries({ x: 1, y: 2 }).map(([k, v]) => `${k}=${v}`).join('&'), Array.of(3, 4).at(-1));
const grouped = nums.reduce((acc, n) => { (acc[n % 3] ||= []).push(n); return acc; }, {});
console.log(grouped);
console.log(new Array(5).fill().map((_, i) => i ** 2), [3, 1, 2].sort(), ['x', , 'z']);
