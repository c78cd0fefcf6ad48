#!/usr/bin/env bash
# Control-plane benchmarks: start-up time and peak resident memory of hello
# world built as a control-plane program (its bundle run in the embedded
# engine), beside node and the qjs interpreter built from the same QuickJS
# sources; then the CPU-bound programs of programs/ as control-plane programs
# beside the same two. Results replace the block between the engine result
# markers in bench/README.md.
# Usage: bench/engine.sh <control_plane_build tool> (make build first)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
builder=$1
out=$here/results/engine
runs=${BENCH_RUNS:-3}
starts=${BENCH_STARTS:-20}
mkdir -p "$out"
bash "$here/build_qjs.sh" "$root" "$here/results/qjs-build"
qjs=$here/results/qjs-build/qjs

# fastest wall time in milliseconds of $starts runs of a command
startup_ms() {
  python3 - "$starts" "$@" <<'PY'
import subprocess, sys, time
n = int(sys.argv[1]); cmd = sys.argv[2:]
best = None
for _ in range(n):
    t = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    d = (time.perf_counter() - t) * 1000
    best = d if best is None or d < best else best
print(f"{best:.1f}")
PY
}
peak_kb() { /usr/bin/time -f '%M' -o "$out/time.txt" "$@" >/dev/null 2>&1; cat "$out/time.txt"; }
best_s() {
  local best='' t
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%e' -o "$out/time.txt" "$@" >/dev/null 2>&1
    t=$(cat "$out/time.txt")
    if [[ -z $best ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
  done
  echo "$best"
}

cd "$out"
printf 'console.log("Hello, world!");\n' >hello.js
"$builder" "$root" hello.js hello >/dev/null
rows="| hello world | $(startup_ms ./hello) ms | $(peak_kb ./hello) KB | $(startup_ms node hello.js) ms | $(peak_kb node hello.js) KB | $(startup_ms "$qjs" hello.js) ms | $(peak_kb "$qjs" hello.js) KB |"
cpu=''
for prog in "$here"/programs/*.js; do
  name=$(basename "$prog" .js)
  "$builder" "$root" "$prog" "$name" >/dev/null
  cpu+="| $name | $(best_s "./$name") s | $(peak_kb "./$name") KB | $(best_s node "$prog") s | $(peak_kb node "$prog") KB | $(best_s "$qjs" "$prog") s | $(peak_kb "$qjs" "$prog") KB |"$'\n'
done

block=$(cat <<EOT
Measured $(date -u '+%Y-%m-%d %H:%M') UTC on $(nproc) cores ($(uname -m)), node $(node --version).
Start-up: fastest of $starts runs; CPU programs: best of $runs runs.

| program | control plane | peak | node | peak | qjs | peak |
|---|---|---|---|---|---|---|
$rows
$cpu
EOT
)
python3 - "$here/README.md" "$block" <<'PY'
import re, sys
path, block = sys.argv[1], sys.argv[2]
text = open(path).read()
start, end = '<!-- engine results -->', '<!-- end engine results -->'
if start not in text:
    text += f"\n## Control-plane programs\n\n`bench/engine.sh build/tests/runtime/engine/control_plane_build` measures start-up time\nand peak memory of hello world as a control-plane program, and the CPU-bound\nprograms of `programs/` as control-plane programs, beside node and qjs.\n\n{start}\n{end}\n"
text = re.sub(re.escape(start) + '.*?' + re.escape(end), lambda m: f"{start}\n{block}\n{end}", text, flags=re.S)
open(path, 'w').write(text)
PY
echo "$block"
