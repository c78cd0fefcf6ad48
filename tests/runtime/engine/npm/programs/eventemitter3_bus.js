const EventEmitter = require('eventemitter3');
class Bus extends EventEmitter {}
const bus = new Bus();
bus.on('msg', (a, b) => console.log('msg', a, b));
bus.once('msg', () => console.log('once'));
bus.emit('msg', 1, { two: 2 }); bus.emit('msg', 3, 4);
console.log(bus.listenerCount('msg'), bus.eventNames());
