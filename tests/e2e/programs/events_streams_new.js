// new on the constructors of built-in modules: emitters of a program's own,
// and readable, writable and pass-through streams it makes and pipes.
var EventEmitter = require('events');
var events = require('events');
var stream = require('stream');
var { Readable, Writable } = require('stream');

var a = new EventEmitter();
var b = new events.EventEmitter();
a.on('ping', function (x) { console.log('a got', x); });
b.once('ping', function (x) { console.log('b got', x); });
console.log(a.emit('ping', 1), b.emit('ping', 2), b.emit('ping', 3), a.listenerCount('ping'), b.listenerCount('ping'));
try {
  a.emit('error', Error('nobody listens'));
} catch (e) {
  console.log('thrown', e.message);
}

var collected = '';
var writes = 0;
function keep(chunk, encoding, done) {
  writes++;
  collected += chunk.toString();
  done();
}

var sink = new Writable({ write: keep });
sink.on('finish', function () {
  console.log('sink finish', JSON.stringify(collected), writes);
  backpressure();
});
var source = new Readable({ read: function () {} });
source.push('hello ');
source.push(Buffer.from('streamed '));
source.push('world');
source.push(null);
source.pipe(new stream.PassThrough()).pipe(sink);

var slow = null;

function backpressure() {
  slow = new Writable({ write: function (chunk, encoding, done) { setTimeout(done, 1); } });
  var first = slow.write('x'.repeat(20000));
  console.log('write over the mark', first);
  slow.on('drain', function () {
    console.log('drained');
    slow.end('last', function () { console.log('end callback'); });
  });
  slow.on('finish', function () { console.log('slow finish'); });
}
console.log('main done');
