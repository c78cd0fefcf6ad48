function twice(n) { return n * 2; }
module.exports.label = 'props';
module.exports.twice = twice;
module.exports['mode'] = 'fast';
