#!/usr/bin/env bash
# A control-plane project: the embedded engine runs the entry with native I/O.
# The program uses classes, inheritance, async functions, promises and timers,
# and must print what node prints, in the same order, and exit as node does.
# Usage: control_plane.sh <install dir> <work dir>
inst=$1 work=$2 name=project_control_plane
source "$(dirname "$0")/support.sh"

mkdir -p app/src
echo '{"controlPlane": true}' >app/orvan.config.json
cat >app/src/main.js <<'JS'
"use strict";
class Shape {
  constructor(name) { this.name = name; }
  area() { return 0; }
  describe() { return `${this.name} of area ${this.area().toFixed(2)}`; }
}
class Circle extends Shape {
  #r;
  constructor(r) { super("circle"); this.#r = r; }
  area() { return Math.PI * this.#r ** 2; }
}
class Square extends Shape {
  constructor(s) { super("square"); this.s = s; }
  area() { return this.s * this.s; }
  static unit() { return new Square(1); }
}
const delay = (ms, v) => new Promise((resolve) => setTimeout(() => resolve(v), ms));
async function main() {
  const shapes = [new Circle(1.5), new Square(3), Square.unit()];
  for (const s of shapes) console.log(s.describe());
  console.log("sync end");
  const [a, b] = await Promise.all([delay(20, "slow"), delay(5, "fast")]);
  console.log(a, b);
  for await (const x of (async function* () { yield 1; yield await delay(1, 2); })()) console.log("gen", x);
  try {
    await Promise.reject(new TypeError("nope"));
  } catch (e) {
    console.log("caught", e.name, e.message);
  }
  setImmediate(() => console.log("immediate"));
  process.nextTick(() => console.log("tick"));
  queueMicrotask(() => console.log("microtask"));
  return shapes.length;
}
main().then((n) => {
  console.log("done", n);
  process.exitCode = 4;
});
console.log("after main()");
JS

(cd app && node src/main.js) >node.out 2>&1
node_status=$?
"$orvan" -build app >build.log 2>&1 || { bad "build failed"; tail -30 build.log; finish; }
app/.orvan-build/app_app.bin >app.out 2>&1
status=$?
same "program output" node.out app.out
((status == node_status)) || bad "exit status $status, node gave $node_status"
finish
