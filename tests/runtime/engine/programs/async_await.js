const delay = (ms, v) => new Promise((res) => setTimeout(() => res(v), ms));
async function fetchAll() {
  const results = await Promise.all([delay(20, 'a'), delay(5, 'b'), Promise.resolve('c')]);
  console.log('all', results);
  console.log('race', await Promise.race([delay(30, 'slow'), delay(2, 'fast')]));
  const settled = await Promise.allSettled([Promise.reject(new Error('x')), delay(1, 'ok')]);
  console.log(settled.map((s) => s.status), settled[0].reason.message);
  console.log('any', await Promise.any([Promise.reject(1), delay(3, 'first ok')]));
  try { await Promise.any([Promise.reject(1)]); } catch (e) { console.log(e.constructor.name, e.errors); }
}
console.log('sync start');
fetchAll().then(() => console.log('finished'));
queueMicrotask(() => console.log('microtask'));
process.nextTick(() => console.log('nextTick'));
setTimeout(() => console.log('timeout 0'), 0);
console.log('sync end');
