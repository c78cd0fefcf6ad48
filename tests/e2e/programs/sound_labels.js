// Labelled loops with break and continue to an outer loop.
let found = "";
outer: for (let i = 0; i < 4; i++) {
  for (let j = 0; j < 4; j++) {
    if (j > i) continue outer;
    if (i + j === 5) break outer;
    found += " " + i + j;
  }
}
console.log(found);
let n = 0;
rows: while (n < 10) {
  n++;
  let k = 0;
  do {
    k++;
    if (k === 2) continue rows;
  } while (k < 5);
  console.log("never");
}
console.log("n", n);
block: {
  console.log("in block");
  if (n === 10) break block;
  console.log("not printed");
}
grid: for (let row = 1; row < 5; row += 2) {
  switch (row) {
    case 3:
      console.log("switch leaves the loop");
      break grid;
    default:
      console.log("row", row);
  }
  console.log("after switch", row);
}
same: for (let i = 0; i < 3; i++) {
  if (i === 1) continue same;
  if (i === 2) break same;
  console.log("same loop", i);
}
check: {
  const first = n * 2;
  if (first > 5) break check;
  const second = first + 1;
  console.log("unreached", second);
}
