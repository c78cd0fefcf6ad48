const assert = require('assert');
try { assert.deepStrictEqual({ a: 1 }, { a: 1 }); console.log('deep equal'); } catch (e) { console.log('no'); }
try { null.x; } catch (e) { console.log(e instanceof TypeError, e.constructor.name); }
class MyError extends Error { constructor(m) { super(m); this.name = 'MyError'; this.code = 42; } }
try { throw new MyError('bad'); } catch (e) { console.log(e.name, e.message, e.code); }
process.on('exit', (c) => console.log('exit', c));
process.exitCode = 3;
