class ValidationError extends Error {
  constructor(field, msg) { super(`${field}: ${msg}`); this.name = 'ValidationError'; this.field = field; }
}
function validate(u) { if (!u.name) throw new ValidationError('name', 'required'); if (u.age < 0) throw new RangeError('age must be >= 0'); return true; }
for (const u of [{ name: 'a', age: 1 }, { age: 2 }, { name: 'b', age: -1 }]) {
  try { console.log('valid', validate(u)); }
  catch (e) { console.log(e.name, e.message, e instanceof ValidationError, e.field); }
  finally { console.log('checked'); }
}
try { undefinedFunction(); } catch (e) { console.log(e.name); }
try { (void 0).prop; } catch (e) { console.log(e.name); }
try { new Array(-1); } catch (e) { console.log(e.name); }
const e = new Error('plain'); e.cause = new Error('root'); console.log(e.cause.message);
const agg = new AggregateError([new Error('a')], 'many'); console.log(agg.name, agg.errors.length);
console.log(Object.prototype.toString.call(new TypeError('t')), String(new SyntaxError('s')));
