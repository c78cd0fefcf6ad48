const { v4, validate, version, v5 } = require('uuid');
const id = v4();
console.log(validate(id), version(id), id.length, v5('hello', v5.DNS), validate('nope'));
