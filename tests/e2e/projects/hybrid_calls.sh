#!/usr/bin/env bash
# A hybrid project whose island calls the compiled entry's functions through
# orvan.callNative: one without parameters, one taking the payload, one of two
# parameters (the payload arrives as its first), and a name that is no
# function. Started with `orvan run` and arguments, the program ends by itself
# once the island has nothing left to do, and prints exactly the expected lines.
# Usage: hybrid_calls.sh <install dir> <work dir> [extra compiler flags]
inst=$1 work=$2 cflags=${3:-} name=project_hybrid_calls${3:+_asan}
source "$(dirname "$0")/support.sh"

mkdir -p app/src
echo '{"hybrid": true, "quickjsIsland": "src/island.js", "bundlePlatform": "node"}' >app/orvan.config.json
cat >app/src/main.js <<'JS'
function greeting() {
  return "hello from the compiled side";
}
function total(payload) {
  const order = JSON.parse(payload);
  let sum = 0;
  for (let i = 0; i < order.items.length; i++) sum += order.items[i].price * order.items[i].qty;
  return order.customer + " owes " + sum;
}
function pair(a, b) {
  return typeof a + "/" + typeof b;
}
console.log("main: statements run");
JS
cat >app/src/island.js <<'JS'
const label = require("./label");
console.log(label("greeting", orvan.callNative("greeting")));
const order = { customer: "Ada", items: [{ price: 2.5, qty: 4 }, { price: 1, qty: 3 }] };
console.log(label("total", orvan.callNative("total", order)));
console.log(label("pair", orvan.callNative("pair", "x")));
try {
  orvan.callNative("missing", 1);
} catch (e) {
  console.log(label(e.name, e.message));
}
console.log(label("argv", process.argv.slice(2).join("|")));
setTimeout(() => console.log(label("timer", orvan.callNative("greeting").length)), 5);
JS
echo 'module.exports = (what, value) => "island " + what + ": " + value;' >app/src/label.js

cat >expected.out <<'OUT'
island greeting: hello from the compiled side
island total: Ada owes 13
island pair: string/undefined
island TypeError: orvan.callNative: no compiled function named 'missing'
island argv: one two|$(x)
main: statements run
island timer: 28
OUT
timeout 300 "$orvan" run app ${cflags:+-cflags "$cflags"} -- "one two" '$(x)' >run.out 2>run.err
status=$?
((status == 0)) || bad "run status $status: $(tail -5 run.err)"
same "program output" expected.out run.out
finish
