// catch no param
var ok = true;
try {
  throw "x";
} catch {
  ok = false;
}
console.log(ok);

// error objects
try {
  throw Error("boom");
} catch (e) {
  console.log(String(e));
}
try {
  throw TypeError("bad type");
} catch (err) {
  console.log("" + err);
}

// nested
function level3() {
  throw "deep failure";
}
function level2() {
  level3();
  return "unreachable";
}
function level1() {
  try {
    return level2();
  } catch (e) {
    return "recovered from " + e;
  }
}
console.log(level1());
try {
  try {
    throw "inner";
  } catch (e) {
    console.log("first", e);
    throw "rethrown " + e;
  }
} catch (e2) {
  console.log("second", e2);
}

// runtime type error
var obj;
try {
  console.log(obj.field);
} catch (e) {
  console.log(String(e).indexOf("TypeError") === 0);
}
try {
  var n = null;
  n.method();
} catch (e) {
  console.log("null call caught");
}
console.log("still running");

// throw catch
function risky(n) {
  if (n > 2) throw "too big: " + n;
  return n * 10;
}
try {
  console.log(risky(1));
  console.log(risky(5));
  console.log("not reached");
} catch (e) {
  console.log("caught", e);
}
console.log("after");

// A finally block runs on every way out of its try block.
let log = "";
function normal() {
  try { log += "body"; } finally { log += ",finally"; }
  return log;
}
console.log(normal());
function early(n) {
  try {
    if (n > 0) return "positive";
    return "other";
  } finally {
    console.log("cleanup", n);
  }
}
console.log(early(1), early(-1));
function overridden() {
  try { return "try"; } finally { return "finally"; }
}
console.log(overridden());
for (let i = 0; i < 4; i++) {
  try {
    if (i === 1) continue;
    if (i === 3) break;
    console.log("loop body", i);
  } finally {
    console.log("loop finally", i);
  }
}
function thrower() {
  try {
    throw Error("boom");
  } finally {
    console.log("finally before the catch");
  }
}
try { thrower(); } catch (e) { console.log("caught", e.message); }
function withCatch(fail) {
  try {
    if (fail) throw "bad";
    return "ok";
  } catch (e) {
    return "caught " + e;
  } finally {
    console.log("always", fail);
  }
}
console.log(withCatch(false), withCatch(true));
function nested() {
  let steps = "";
  outer: for (let i = 0; i < 3; i++) {
    try {
      try {
        if (i === 1) continue outer;
        if (i === 2) break outer;
        steps += " inner " + i;
      } finally {
        steps += " inner-finally " + i;
      }
    } finally {
      steps += " outer-finally " + i;
    }
  }
  return steps;
}
console.log(nested());
function counter() {
  let n = 0;
  try { return n; } finally { n = 10; }
}
console.log(counter());
try {
  try { throw Error("first"); } finally { console.log("inner finally runs"); }
} catch (e) {
  console.log("outer caught", e.message);
}

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

// An error made with a cause keeps it; without one it has none.
var caused = Error("outer", { cause: TypeError("inner") });
console.log(caused.cause.name, caused.cause.message, "cause" in Error("plain"), "cause" in RangeError("r", {}));
console.log(TypeError("t", { cause: 0 }).cause, SyntaxError("s", { cause: undefined }).cause, "cause" in SyntaxError("s", { cause: undefined }));
