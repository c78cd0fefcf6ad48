const assert = require('assert');
const cases = [
  () => assert.strictEqual(1, 2),
  () => assert.deepStrictEqual({ a: 1, b: [1, 2] }, { a: 1, b: [1, 3] }),
  () => assert.ok(0),
  () => assert.equal('a', 'b', 'custom message'),
  () => assert.throws(() => {}),
  () => assert.notStrictEqual(5, 5),
  () => assert.match('abc', /x/),
];
for (const c of cases) {
  try { c(); console.log('no throw'); } catch (e) { console.log(e.name, e.code, e.generatedMessage, JSON.stringify(e.message)); }
}
assert.throws(() => { throw new TypeError('bad'); }, TypeError);
assert.throws(() => { throw new Error('msg here'); }, /msg/);
assert.throws(() => { const e = new Error('x'); e.code = 'E1'; throw e; }, { code: 'E1' });
assert.rejects(Promise.reject(new Error('r')), /r/).then(() => console.log('rejects ok'));
console.log(require('util').isDeepStrictEqual(new Map([[1, { a: 1 }]]), new Map([[1, { a: 1 }]])));
