const util = require('util');
function legacy(a, b, cb) { setTimeout(() => (a < 0 ? cb(new Error('negative')) : cb(null, a + b)), 1); }
const p = util.promisify(legacy);
(async () => {
  console.log(await p(2, 3));
  try { await p(-1, 0); } catch (e) { console.log('rejected', e.message); }
  const sleep = util.promisify(setTimeout);
  console.log(typeof sleep);
  const cbified = util.callbackify(async (x) => x * 2);
  cbified(21, (err, v) => console.log('callbackify', err, v));
})();
