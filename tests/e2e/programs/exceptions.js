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
