// Promises and async functions, promisify, event emitters and streams.

// Parts that wait on timers, streams, files or child processes run one at a
// time: each is handed `done`, and the next starts once it has called it, so
// no part's callbacks interleave with another's.
const waiting = [];
const later = (part) => waiting.push(part);
const runNext = () => { const part = waiting.shift(); if (part) part(() => setImmediate(runNext)); };

// Promise combinators with timers, and the order of ticks, microtasks and timers.
later((done) => {
  const delay = (ms, v) => new Promise((res) => setTimeout(() => res(v), ms));
  async function fetchAll() {
    const results = await Promise.all([delay(20, 'a'), delay(5, 'b'), Promise.resolve('c')]);
    console.log('all', results);
    console.log('race', await Promise.race([delay(30, 'slow'), delay(2, 'fast')]));
    const settled = await Promise.allSettled([Promise.reject(new Error('x')), delay(1, 'ok')]);
    console.log(settled.map((s) => s.status), settled[0].reason.message);
    console.log('any', await Promise.any([Promise.reject(1), delay(3, 'first ok')]));
    try { await Promise.any([Promise.reject(1)]); } catch (e) { console.log(e.constructor.name, e.errors); }
  }
  console.log('sync start');
  fetchAll().then(() => console.log('finished')).then(done);
  queueMicrotask(() => console.log('microtask'));
  process.nextTick(() => console.log('nextTick'));
  setTimeout(() => console.log('timeout 0'), 0);
  console.log('sync end');
});

// util.promisify and util.callbackify.
later((done) => {
  const util = require('util');
  function legacy(a, b, cb) { setTimeout(() => (a < 0 ? cb(new Error('negative')) : cb(null, a + b)), 1); }
  const p = util.promisify(legacy);
  (async () => {
    console.log(await p(2, 3));
    try { await p(-1, 0); } catch (e) { console.log('rejected', e.message); }
    const sleep = util.promisify(setTimeout);
    console.log(typeof sleep);
    const cbified = util.callbackify(async (x) => x * 2);
    cbified(21, (err, v) => { console.log('callbackify', err, v); done(); });
  })();
});

// EventEmitter: listener order, removal, error events, events.once, max listeners.
later((done) => {
  const { EventEmitter, once } = require('events');
  class Store extends EventEmitter {
    constructor() { super(); this.state = {}; }
    set(k, v) { const old = this.state[k]; this.state[k] = v; this.emit('change', { k, old, v }); }
  }
  const s = new Store();
  const log = (e) => console.log('change', e);
  s.on('change', log);
  s.prependListener('change', () => console.log('first'));
  s.set('a', 1); s.off('change', log); s.set('a', 2);
  console.log(s.listenerCount('change'), s.eventNames());
  try { s.emit('error', new Error('store failed')); } catch (e) { console.log('thrown', e.message); }
  (async () => { setTimeout(() => s.emit('ready', 'now'), 1); const [v] = await once(s, 'ready'); console.log('once', v); })().then(done);
  const e = new EventEmitter(); e.setMaxListeners(1); e.on('x', () => {}); console.log(e.getMaxListeners(), e.rawListeners('x').length);
});

// Emitter subclasses old and new, and a pipeline through a Transform.
later((done) => {
  const EventEmitter = require('events');
  const { Readable, Transform, Writable, pipeline } = require('stream');
  const util = require('util');
  class Job extends EventEmitter { run() { this.emit('start', 1); this.emit('done', { ok: true }); } }
  const j = new Job();
  j.on('start', (n) => console.log('start', n)).once('done', (r) => console.log('done', r));
  j.run(); j.run();
  function Legacy() { EventEmitter.call(this); }
  util.inherits(Legacy, EventEmitter);
  const l = new Legacy(); l.on('x', (v) => console.log('legacy', v)); l.emit('x', 7);
  const upper = new Transform({ transform(chunk, enc, cb) { cb(null, chunk.toString().toUpperCase()); } });
  const out = [];
  const sink = new Writable({ write(chunk, enc, cb) { out.push(chunk.toString()); cb(); } });
  pipeline(Readable.from(['a', 'b', 'c']), upper, sink, (err) => { console.log('pipeline', err || 'ok', out.join('')); done(); });
  console.log(util.format('%o', [1]), util.inspect({ deep: { deeper: { deepest: { x: 1 } } } }));
});

// A Readable piped into a Writable, and a Writable's backpressure (its drain comes last).
later((done) => {
  const { Readable, Writable } = require('stream');
  let n = 0;
  const counter = new Readable({ read() { n++; this.push(n <= 3 ? `chunk${n}` : null); } });
  const got = [];
  const sink = new Writable({ write(c, e, cb) { got.push(c.toString()); cb(); } });
  sink.on('finish', () => console.log('finish', got));
  counter.on('end', () => console.log('end'));
  counter.pipe(sink);
  const w = new Writable({ highWaterMark: 4, write(c, e, cb) { setTimeout(cb, 1); } });
  console.log(w.write('12345'), w.writableLength);
  w.on('drain', () => { console.log('drain'); done(); });
});

// A Transform splitting chunks into lines.
later((done) => {
  const { Readable, Transform } = require('stream');
  const lines = new Transform({
    readableObjectMode: true,
    transform(chunk, enc, cb) { this.rest = (this.rest || '') + chunk; const parts = this.rest.split('\n'); this.rest = parts.pop(); parts.forEach((p) => this.push(p)); cb(); },
    flush(cb) { if (this.rest) this.push(this.rest); cb(); },
  });
  const src = Readable.from(['alpha\nbe', 'ta\ngam', 'ma\n', 'delta']);
  const out = [];
  src.pipe(lines).on('data', (l) => out.push(l.toUpperCase())).on('end', () => { console.log(out); done(); });
});

runNext();
