// Classes and prototypes, objects and collections, and errors: built-in,
// subclassed and thrown by assert.

// Class hierarchies, a counter closure, a generator, console.log formats.
{
  class Shape { constructor(n) { this.name = n; } area() { return 0; } toString() { return `${this.name}(${this.area().toFixed(2)})`; } }
  class Circle extends Shape { constructor(r) { super('circle'); this.r = r; } area() { return Math.PI * this.r ** 2; } }
  class Rect extends Shape { constructor(w, h) { super('rect'); this.w = w; this.h = h; } area() { return this.w * this.h; } }
  const shapes = [new Circle(1), new Rect(2, 3), new Circle(2.5)];
  console.log(shapes.map(String).join(', '));
  console.log(shapes.sort((a, b) => a.area() - b.area()).map((s) => s.name));
  const counter = (() => { let n = 0; return { inc: () => ++n, get value() { return n; } }; })();
  counter.inc(); counter.inc();
  console.log(counter.value, new Map([[1, 'a'], [2, { b: [1, 2] }]]), new Set(['x', 'y']));
  function* fib() { let [a, b] = [0, 1]; for (;;) { yield a; [a, b] = [b, a + b]; } }
  const first = []; for (const f of fib()) { if (f > 100) break; first.push(f); }
  console.log(first, JSON.stringify({ s: first.slice(0, 3), re: /a+b/g.source }));
  console.log('%s has %d items costing %i', 'cart', 3, 42.9, { extra: true });
  console.log(shapes[0], [undefined, null, -0, 1e21, 'q\'s']);
}

// Constructor functions and prototypes, private and static members, mixins, how functions and classes print.
{
  function Animal(name) { this.name = name; }
  Animal.prototype.speak = function () { return `${this.name} makes a sound`; };
  function Dog(name) { Animal.call(this, name); }
  Dog.prototype = Object.create(Animal.prototype); Dog.prototype.constructor = Dog;
  Dog.prototype.speak = function () { return Animal.prototype.speak.call(this) + ' (woof)'; };
  const d = new Dog('Rex'); console.log(d.speak(), d instanceof Animal, d);
  class Base { static create() { return new this(); } #secret = 42; get secret() { return this.#secret; } static #count = 0; static inc() { return ++Base.#count; } }
  class Derived extends Base { describe() { return `derived ${this.secret}`; } }
  console.log(Derived.create().describe(), Base.inc(), Base.inc(), Derived.name, new Derived());
  const mixin = (B) => class extends B { mixed() { return true; } };
  class Mixed extends mixin(Base) {}
  console.log(new Mixed().mixed(), Object.getOwnPropertyNames(Mixed.prototype), typeof Mixed, Mixed);
  console.log(class {}, function named() {}, () => {}, async () => {}, function* gen() {}, Math.max);
}

// Private fields, static counters and a custom error class.
{
  class InsufficientFunds extends Error { constructor(need) { super(`need ${need} more`); this.name = 'InsufficientFunds'; } }
  class Account {
    #balance = 0; static count = 0;
    constructor(owner) { this.owner = owner; this.history = []; Account.count++; }
    deposit(n) { this.#balance += n; this.history.push(['dep', n]); return this; }
    withdraw(n) { if (n > this.#balance) throw new InsufficientFunds(n - this.#balance); this.#balance -= n; this.history.push(['wd', n]); return this; }
    get balance() { return this.#balance; }
  }
  const a = new Account('ann').deposit(100).withdraw(30);
  try { a.withdraw(500); } catch (e) { console.log(e.name, e.message); }
  console.log(a.balance, a.history, Account.count, a);
}

// A linked list with an iterator and in-place reversal.
{
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
}

// A state machine whose bad transitions throw.
{
  const transitions = { idle: { start: 'running' }, running: { pause: 'paused', stop: 'idle' }, paused: { resume: 'running', stop: 'idle' } };
  function machine(state = 'idle') {
    return { get state() { return state; }, send(ev) { const next = transitions[state][ev]; if (!next) throw new Error(`bad event ${ev} in ${state}`); state = next; return this; } };
  }
  const m = machine();
  for (const ev of ['start', 'pause', 'resume', 'stop', 'pause']) {
    try { m.send(ev); console.log(ev, '->', m.state); } catch (e) { console.log(e.message); }
  }
}

// Map, Set, WeakMap, Object.create, freeze, fromEntries, structuredClone and symbol keys.
{
  const inventory = new Map();
  for (const [item, qty] of [['apple', 3], ['pear', 0], ['fig', 12]]) inventory.set(item, qty);
  inventory.set('pear', inventory.get('pear') + 5);
  console.log(inventory, inventory.size, [...inventory.keys()]);
  const tags = new Set(['a', 'b']); tags.add('a'); tags.add('c'); tags.delete('b');
  console.log(tags, tags.has('c'));
  const wm = new WeakMap(); const key = {}; wm.set(key, 1); console.log(wm.get(key), wm);
  const proto = { greet() { return 'hi ' + this.name; } };
  const o = Object.create(proto, { name: { value: 'bob', enumerable: true } });
  console.log(o.greet(), Object.keys(o), Object.getPrototypeOf(o) === proto, o);
  const frozen = Object.freeze({ a: { b: 1 } }); frozen.a.b = 2; console.log(frozen, Object.isFrozen(frozen));
  console.log(Object.fromEntries([['k', 1]]), Object.assign({}, { a: 1 }, null, { b: 2 }), structuredClone({ d: new Date(0), m: new Map([[1, 2]]) }));
  const sym = Symbol('id'); console.log({ [sym]: 1, regular: true }, sym.toString(), sym.description);
  console.log(Object.create(null), { 'needs quote': 1, valid_id: 2, 3: 'num' });
}

// try/catch/finally with custom and built-in errors, cause and AggregateError.
{
  class ValidationError extends Error {
    constructor(field, msg) { super(`${field}: ${msg}`); this.name = 'ValidationError'; this.field = field; }
  }
  function validate(u) { if (!u.name) throw new ValidationError('name', 'required'); if (u.age < 0) throw new RangeError('age must be >= 0'); return true; }
  for (const u of [{ name: 'a', age: 1 }, { age: 2 }, { name: 'b', age: -1 }]) {
    try { console.log('valid', validate(u)); }
    catch (e) { console.log(e.name, e.message, e instanceof ValidationError, e.field); }
    finally { console.log('checked'); }
  }
  try { undefinedFunction(); } catch (e) { console.log(e.name); }
  try { (void 0).prop; } catch (e) { console.log(e.name); }
  try { new Array(-1); } catch (e) { console.log(e.name); }
  const e = new Error('plain'); e.cause = new Error('root'); console.log(e.cause.message);
  const agg = new AggregateError([new Error('a')], 'many'); console.log(agg.name, agg.errors.length);
  console.log(Object.prototype.toString.call(new TypeError('t')), String(new SyntaxError('s')));
}

// assert's failures: name, code, generated message; throws and rejects (last: it settles a promise).
{
  const assert = require('assert');
  const cases = [
    () => assert.strictEqual(1, 2),
    () => assert.deepStrictEqual({ a: 1, b: [1, 2] }, { a: 1, b: [1, 3] }),
    () => assert.ok(0),
    () => assert.equal('a', 'b', 'custom message'),
    () => assert.throws(() => {}),
    () => assert.notStrictEqual(5, 5),
    () => assert.match('abc', /x/),
  ];
  for (const c of cases) {
    try { c(); console.log('no throw'); } catch (e) { console.log(e.name, e.code, e.generatedMessage, JSON.stringify(e.message)); }
  }
  assert.throws(() => { throw new TypeError('bad'); }, TypeError);
  assert.throws(() => { throw new Error('msg here'); }, /msg/);
  assert.throws(() => { const e = new Error('x'); e.code = 'E1'; throw e; }, { code: 'E1' });
  assert.rejects(Promise.reject(new Error('r')), /r/).then(() => console.log('rejects ok'));
  console.log(require('util').isDeepStrictEqual(new Map([[1, { a: 1 }]]), new Map([[1, { a: 1 }]])));
}
