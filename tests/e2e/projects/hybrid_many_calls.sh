#!/usr/bin/env bash
# A hybrid project whose entry has more functions than a chain of name tests
# serves well, so its calls are looked up in a table: declared functions of
# no, one and three parameters, functions held in variables (an arrow and a
# function expression), a function that throws, and a name that is no function.
# Usage: hybrid_many_calls.sh <install dir> <work dir> [extra compiler flags]
inst=$1 work=$2 cflags=${3:-} name=project_hybrid_many_calls${3:+_asan}
source "$(dirname "$0")/support.sh"

mkdir -p app/src
echo '{"hybrid": true, "quickjsIsland": "src/island.js", "bundlePlatform": "node"}' >app/orvan.config.json
{
  for i in $(seq 0 39); do echo "function fill$i(p) { return \"fill$i:\" + p; }"; done
  cat <<'JS'
function none() { return "none"; }
function three(a, b, c) { return typeof a + "/" + typeof b + "/" + typeof c; }
const arrow = (p) => "arrow got " + JSON.parse(p).n;
const expr = function named() { return "expr"; };
function fails(p) { throw RangeError("fails on " + p); }
console.log("main: statements run");
JS
} >app/src/main.js
cat >app/src/island.js <<'JS'
console.log(orvan.callNative("none"));
console.log(orvan.callNative("fill0", "a"), orvan.callNative("fill39", 7));
console.log(orvan.callNative("three", 1));
try {
  orvan.callNative("fails", "x");
} catch (e) {
  console.log("caught", e.name, e.message);
}
try {
  orvan.callNative("missing", 1);
} catch (e) {
  console.log(e.name + ": " + e.message);
}
// Variables hold their functions once main's statements have run.
setTimeout(() => console.log(orvan.callNative("arrow", { n: 5 }), orvan.callNative("expr")), 5);
JS

cat >expected.out <<'OUT'
none
fill0:a fill39:7
string/undefined/undefined
caught RangeError fails on x
TypeError: orvan.callNative: no compiled function named 'missing'
main: statements run
arrow got 5 expr
OUT
timeout 300 "$orvan" run app ${cflags:+-cflags "$cflags"} >run.out 2>run.err
status=$?
((status == 0)) || bad "run status $status: $(tail -5 run.err)"
same "program output" expected.out run.out
finish
