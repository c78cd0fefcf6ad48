const grid = [[1, 2, 3], [4, 5, 6], [7, 8, 9]];
let found = null;
outer: for (let i = 0; i < grid.length; i++) { for (let j = 0; j < grid[i].length; j++) { if (grid[i][j] === 5) { found = [i, j]; break outer; } } }
console.log(found);
let s = 0; for (let i = 0; i < 10; i++) { if (i % 2) continue; s += i; } console.log(s);
let k = 0; do { k++; } while (k < 5); console.log(k);
for (const key in { a: 1, b: 2 }) console.log(key);
switch (3) { case 1: console.log('one'); case 3: console.log('three'); case 4: console.log('fall'); break; default: console.log('no'); }
