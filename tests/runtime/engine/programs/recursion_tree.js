const tree = { name: 'root', children: [{ name: 'a', children: [{ name: 'a1', children: [] }, { name: 'a2', children: [] }] }, { name: 'b', children: [] }] };
function print(node, depth = 0) { console.log('  '.repeat(depth) + node.name); node.children.forEach((c) => print(c, depth + 1)); }
print(tree);
const count = (n) => 1 + n.children.reduce((s, c) => s + count(c), 0);
const depth = (n) => 1 + Math.max(0, ...n.children.map(depth));
console.log(count(tree), depth(tree), JSON.stringify(tree).length);
const hanoi = (n, a, b, c) => (n === 0 ? 0 : hanoi(n - 1, a, c, b) + 1 + hanoi(n - 1, c, b, a));
console.log(hanoi(16, 'a', 'b', 'c'));
