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
(async () => { setTimeout(() => s.emit('ready', 'now'), 1); const [v] = await once(s, 'ready'); console.log('once', v); })();
const e = new EventEmitter(); e.setMaxListeners(1); e.on('x', () => {}); console.log(e.getMaxListeners(), e.rawListeners('x').length);
