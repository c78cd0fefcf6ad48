// EventEmitter behaviour on process: on/once/off, emit's result, prepend,
// listener counts, and the 'error' rule.
function onFoo(a, b) { console.log('foo', a, b); }
function first() { console.log('first'); }
process.on('foo', onFoo);
process.once('foo', function (a) { console.log('once', a); });
process.prependListener('foo', first);
console.log(process.listenerCount('foo'));
console.log(process.emit('foo', 1, 2));
console.log(process.emit('foo', 3, 4));
process.off('foo', onFoo);
process.removeListener('foo', first);
console.log(process.emit('foo', 5), process.listenerCount('foo'));
console.log(process.emit('nobody'));
process.on('bar', onFoo);
process.on('bar', onFoo);
process.removeAllListeners('bar');
console.log(process.listenerCount('bar'));
try {
  process.emit('error', Error('boom'));
} catch (e) {
  console.log('caught', e.message);
}
process.on('exit', function (code) { console.log('exit event', code); });
process.stdout.write('written ');
process.stdout.write('without newline\n');
console.log('done');
