// The catch parameter is the thrown value itself, whatever its type.
function attempt(fn) {
  try {
    fn();
  } catch (e) {
    console.log(typeof e, e);
  }
}
attempt(() => { throw 42; });
attempt(() => { throw "text"; });
attempt(() => { throw null; });
attempt(() => { throw undefined; });
attempt(() => { throw true; });
attempt(() => { throw { code: 7 }; });
attempt(() => { throw { nested: { deep: "x" } }; });
try { throw TypeError("typed"); } catch (e) { console.log(typeof e, e.name, e.message); }
try {
  try { throw 1.5; } catch (e) { throw e * 2; }
} catch (e) {
  console.log("rethrown", e, e === 3);
}
