"use strict";
// Opens two windows one after another and nothing else: no timers, no
// servers. The first closes through the bridge, the second by itself.
function bye() {
  console.log("bye from the page");
  Orvan.close();
}

console.log("opening");
window.open(__ORVAN_BUNDLE_HTML__);
console.log("first window closed");
window.open("<!DOCTYPE html><title>second</title><script>window.close()</script>", "second", "width=300,height=200");
console.log("second window closed");
console.log("after closing: " + Orvan.emit("late") + " " + Orvan.close());
