"use strict";
// Opens three windows one after another and nothing else: no timers, no
// servers. The first (the inlined page) and the third (the same page from the
// app's origin) close through the bridge, the second by itself.
function nested() {
  try {
    window.open("<p>inner</p>");
  } catch (e) {
    console.log("nested: " + e.message);
  }
}

function size(payload) {
  const s = JSON.parse(payload);
  console.log("inner size " + s.w + "x" + s.h);
}

function bye() {
  console.log("bye from the page");
  Orvan.close();
}

console.log("opening");
try {
  window.open(42);
} catch (e) {
  console.log(e.message);
}
try {
  window.open("index.html", "title", 5);
} catch (e) {
  console.log(e.message);
}
window.open(__ORVAN_BUNDLE_HTML__);
console.log("first window closed");
window.open(
  "<!DOCTYPE html><title>second</title><script>" +
    "fetch('orvan://app/__bridge__/' + encodeURIComponent(JSON.stringify({ cmd: 'size', w: innerWidth, h: innerHeight })))" +
    ".then(function () { window.close(); });</script>",
  "second",
  "width=300,height=200,resizable=no",
  { width: 320 }
);
console.log("second window closed");
window.open("/index.html", "third");
console.log("third window closed");
console.log("after closing: " + Orvan.emit("late") + " " + Orvan.close());
