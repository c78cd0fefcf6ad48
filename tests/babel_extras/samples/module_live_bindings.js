// An ES module: the CommonJS rewrite replaces references to imported and
// exported names, including updates and assignments through patterns.
import defaultThing, { helper as renamed, counter } from "./elsewhere";
import * as everything from "./everything";
export { renamed as again };
export * from "./more";

export let count = 0;
export var total = 1, other;
export const [firstItem, ...restItems] = defaultThing.items;
export function increment() {
  count++;
  ++total;
  count += renamed(counter);
  [other, total] = [total, other];
  ({ count } = { count: count + 1 });
  for (count of everything.list) total--;
  for (total in everything) count -= 1;
  return this === undefined ? count : total;
}
export class Box {
  static made = 0;
  #secret = 1;
  get secret() { return this.#secret + count; }
  static { Box.made++; }
}
export default async function* stream(items) {
  for await (const item of items) yield item + count;
}
label: for (const key in everything) { if (key) break label; }
console.log(this, typeof exports, defaultThing?.name ?? "none", 2 ** count);
