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
