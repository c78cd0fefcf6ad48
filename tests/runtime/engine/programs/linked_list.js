class Node { constructor(v, next = null) { this.v = v; this.next = next; } }
class List {
  constructor() { this.head = null; this.size = 0; }
  push(v) { this.head = new Node(v, this.head); this.size++; return this; }
  *[Symbol.iterator]() { for (let n = this.head; n; n = n.next) yield n.v; }
  reverse() { let prev = null, cur = this.head; while (cur) { [cur.next, prev, cur] = [prev, cur, cur.next]; } this.head = prev; return this; }
}
const l = new List().push(1).push(2).push(3);
console.log([...l], [...l.reverse()], l.size);
console.log(l);
