// Time, identifiers and events bundled from npm.

// dayjs: arithmetic, formatting, differences.
{
  const dayjs = require('dayjs');
  const d = dayjs('2024-02-28T10:00:00Z');
  console.log(d.add(1, 'day').format('YYYY-MM-DD'), d.subtract(2, 'month').month(), d.isBefore(dayjs('2025-01-01')));
  console.log(dayjs('2020-01-01').diff(dayjs('2019-01-01'), 'day'), d.startOf('year').format('YYYY-MM-DD'), dayjs(0).valueOf());
}

// ms: durations both ways.
{
  const ms = require('ms');
  console.log(ms('2 days'), ms('1h'), ms('-3m'), ms(60000), ms(2 * 60 * 60 * 1000, { long: true }), ms('bad'));
}

// uuid: v4 and v5, validation.
{
  const { v4, validate, version, v5 } = require('uuid');
  const id = v4();
  console.log(validate(id), version(id), id.length, v5('hello', v5.DNS), validate('nope'));
}

// eventemitter3: a subclassed bus, on and once.
{
  const EventEmitter = require('eventemitter3');
  class Bus extends EventEmitter {}
  const bus = new Bus();
  bus.on('msg', (a, b) => console.log('msg', a, b));
  bus.once('msg', () => console.log('once'));
  bus.emit('msg', 1, { two: 2 }); bus.emit('msg', 3, 4);
  console.log(bus.listenerCount('msg'), bus.eventNames());
}
