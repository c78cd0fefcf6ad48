var _require = require('./props'), label = _require.label, twice = _require.twice;
const { add, sub: minus } = require('./math');
var math = require('./math');
var greet = require('./greet');
var empty = require('./empty');

console.log(add(2, 3), minus(5, 1));
console.log(math.add(10, 20), math.sub(1, 2));
console.log(greet('node'));
console.log(label, twice(21));
console.log(typeof empty, Object.keys(empty).length);
require('./empty');
var props = require('./props');
console.log(props.mode, Object.keys(props).join(','));
var config = require('./config');
console.log(config.name, config.level);
