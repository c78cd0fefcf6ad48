// Exceptions cross in both directions with their name, message and extras.
try { eval('let = ;'); } catch (e) { console.log('syntax', e.name); }
try { eval('null.prop'); } catch (e) { console.log('engine throw', e.name); }
try {
  eval('const err = new RangeError("too far"); err.code = "E_FAR"; err.limit = 3; throw err');
} catch (e) {
  console.log(e.name, e.message, e.code, e.limit);
}
try { new Function('throw { plain: "object" }')(); } catch (e) { console.log('plain', e.plain); }
function failing() { const o = null; return o.field; }
const catcher = new Function('f', 'try { f(); return "no"; } catch (e) { return e.name + " " + (e instanceof TypeError); }');
console.log(catcher(failing));
const rethrow = new Function('f', 'f()');
try { rethrow(failing); } catch (e) { console.log('round trip', e.name); }
console.log('after');
