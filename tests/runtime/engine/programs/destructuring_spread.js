const { a, b: { c = 5, ...restB } = {}, ...rest } = { a: 1, b: { d: 2, e: 3 }, f: 4, g: 5 };
console.log(a, c, restB, rest);
const [x, , y = 10, ...others] = [1, 2, undefined, 4, 5];
console.log(x, y, others);
const merged = { ...{ p: 1 }, ...{ p: 2, q: 3 } };
const fn = ({ name = 'anon', tags = [] } = {}, ...more) => `${name}:${tags.length}:${more.length}`;
console.log(merged, fn(), fn({ name: 'z', tags: [1, 2] }, 1, 2));
let m = 1, n = 2; [m, n] = [n, m]; console.log(m, n, Math.max(...[3, 9, 2]), [...'abc', ...new Set([1, 1, 2])]);
console.log(a?.b?.c, rest?.f ?? 'none', null ?? 'dflt', 0 || 'or', 0 ?? 'nullish');
