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
pipeline(Readable.from(['a', 'b', 'c']), upper, sink, (err) => console.log('pipeline', err || 'ok', out.join('')));
console.log(util.format('%o', [1]), util.inspect({ deep: { deeper: { deepest: { x: 1 } } } }));
