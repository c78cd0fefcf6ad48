const ms = require('ms');
console.log(ms('2 days'), ms('1h'), ms('-3m'), ms(60000), ms(2 * 60 * 60 * 1000, { long: true }), ms('bad'));
