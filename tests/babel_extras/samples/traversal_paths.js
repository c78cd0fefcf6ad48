// Scopes in every place a node can make one or not, depending on its parent:
// a block as a function, arrow, method or catch body and as a plain statement,
// patterns as parameters and catch bindings, a switch whose discriminant and
// cases sit in different scopes, computed keys read outside their method.
// Lowered constructs replace, remove and skip paths mid-walk, long lists give
// many siblings to one parent, and nested lists alternate parents.
let key = "k";
const list = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16];
const table = {
  [key + 1]: 1, [`${key}2`]: 2, a: list[0], b: list[1], c: list[2], d: [list[3], [list[4], [list[5]]]],
  [key]({ x = key } = {}, [y] = [key]) { { let key = x + y; return key; } },
  get [key + "g"]() { return this[key](); },
};
function outer([first, ...others], { second: { third = first } = {} }) {
  { let first = third; others.push(first); }
  try { throw new Error(first); } catch ({ message }) { { let first = message; others.push(first); } }
  try { others.push(second); } catch { others.push(0); }
  switch (first) { case 1: { let first = 2; others.push(first); } default: let later = first; others.push(later); }
  label: for (let i = 0; i < 3; i++) { const j = i; if (j === 1) continue label; others.push(() => j + i); }
  return others;
}
const arrow = ({ a, b } = table, ...rest) => { { let a = b; rest.push(a); } return [...rest, a]; };
class Holder {
  static #count = 0;
  [key] = 1;
  static { Holder.#count++; }
  method({ p } = {}, q = p) { { let p = q; return p ?? Holder.#count; } }
}
const spread = [...list, ...outer(list, {}), ...arrow()].map((n) => `${n}`);
const { a, ...restOfTable } = table;
let counter = 0;
counter++;
--counter;
undeclaredGlobal = counter;
for (const [index, value] of list.entries()) counter += index * value;
console.log(spread.length, a, Object.keys(restOfTable).length, new Holder().method(), counter);
