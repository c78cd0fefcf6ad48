// A program of ordinary CommonJS code: the engine's build runs the front end's
// parser and transformer over it and compiles the engine for what that run does.
'use strict';
const fs = require('fs');
const path = require('path');
const { EventEmitter } = require('events');

const LIMIT = 40;
let counter = 0;
var legacy = { total: 0, names: [] };

class Inventory extends EventEmitter {
  constructor(name, items = []) {
    super();
    this.name = name;
    this.items = new Map(items.map((item) => [item.id, item]));
    this.#audit = [];
  }
  #audit;
  static from(list) {
    return new Inventory('copy', [...list]);
  }
  get size() {
    return this.items.size;
  }
  add({ id, name, price = 0, tags = [] }) {
    if (this.items.has(id)) throw new Error(`duplicate ${id}`);
    const entry = { id, name, price, tags: [...tags], added: counter++ };
    this.items.set(id, entry);
    this.#audit.push(['add', id]);
    this.emit('added', entry);
    return entry;
  }
  *byTag(tag) {
    for (const [, item] of this.items) if (item.tags.includes(tag)) yield item;
  }
  total(filter = () => true) {
    let sum = 0;
    for (const item of this.items.values()) {
      if (!filter(item)) continue;
      sum += item.price * (item.tags.length > 1 ? 0.9 : 1);
    }
    return Math.round(sum * 100) / 100;
  }
}

function work(list, scale) {
  var total = 0;
  for (var k = 0; k < list.length; k++) {
    if (list[k] % 3 === 0) { total += list[k] * scale; }
    else if (list[k] % 5 === 1) { total -= k; }
    else { total ^= list[k] << 1; }
  }
  switch (total % 4) {
    case 0: return total;
    case 1: return -total;
    default: return total / 2;
  }
}

const describe = (item) => {
  const { name, price, ...rest } = item;
  return `${name.padEnd(10, '.')} ${price.toFixed(2)} ${JSON.stringify(rest)}`;
};

async function load(file) {
  try {
    const text = await fs.promises.readFile(path.join(__dirname, file), 'utf8');
    return text.split(/\r?\n/).filter(Boolean).map((line, i) => ({ line, i }));
  } catch (err) {
    if (err && err.code === 'ENOENT') return [];
    throw err;
  } finally {
    legacy.names.push(file);
  }
}

function makeCounter() {
  let n = 0;
  return {
    next: () => ++n,
    reset() { n = 0; },
    get value() { return n; },
  };
}

const inv = new Inventory('main');
inv.on('added', (entry) => { legacy.total += entry.price; });
for (let i = 0; i < LIMIT; i++) {
  inv.add({ id: 'x' + i, name: 'item' + i, price: i * 1.5, tags: i % 2 ? ['odd', 'n' + (i % 3)] : ['even'] });
}
const words = 'alpha beta gamma delta epsilon'.split(' ');
const grouped = words.reduce((acc, w) => {
  (acc[w.length] = acc[w.length] || []).push(w.toUpperCase());
  return acc;
}, {});
const c = makeCounter();
while (c.next() < 10) {
  if (c.value === 7) break;
}
const pattern = /^(\w+)-(\d{2,})$/;
const matches = ['ab-12', 'cd-3', 'ef-456'].map((s) => (pattern.exec(s) || []).slice(1));
let label;
do {
  label = words[counter % words.length];
  counter += 3;
} while (label.length < 5 && counter < 100);

console.log(inv.size, inv.total(), inv.total((it) => it.tags.includes('odd')));
console.log([...inv.byTag('even')].slice(0, 3).map(describe).join('\n'));
console.log(work([1, 2, 3, 4, 5, 6, 7, 8, 9], 3), grouped, matches, label, c.value);
load('missing.txt').then((lines) => console.log(lines.length, legacy.names), (e) => console.error(e.message));
module.exports = { Inventory, work, makeCounter };
