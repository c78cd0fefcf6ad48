#!/usr/bin/env bash
# Benchmarks (make bench): compile time and size of hello world, compile time and memory on large
# generated sources (compile_time.sh), and run time and
# peak memory of CPU-bound programs compiled by orvan, run by node and run by a
# qjs interpreter built from the same QuickJS sources. Results replace the block
# between the result markers in bench/README.md.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$here/results
runs=${BENCH_RUNS:-3}
mkdir -p "$out"
bash "$root/scripts/apt-deps.sh" time

# a - b, and whether a < b, for decimal seconds
minus() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a - b }'; }
less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

bash "$here/build_qjs.sh" "$root" "$out/qjs-build"
qjs=$out/qjs-build/qjs

# best wall time (s) of $runs runs and the peak resident size (KB) of the last one
measure() {
  local best='' t m
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%e %M' -o "$out/time.txt" "$@" >"$out/stdout.txt" 2>/dev/null
    read -r t m <"$out/time.txt"
    if [[ -z $best ]] || less "$t" "$best"; then best=$t; fi
  done
  echo "$best $m"
}

cd "$out"
printf 'console.log("Hello, world!");\n' >hello.js
total_best='' cxx_best=''
for ((i = 0; i < runs; i++)); do
  : >cxx-time.txt
  start=$(date +%s.%N)
  BENCH_CXX_TIME=$out/cxx-time.txt CXX=$here/timed_cxx.sh "$root/orvan" -compile hello.js -o hello 2>/dev/null
  end=$(date +%s.%N)
  total=$(minus "$end" "$start")
  cxx=$(awk '{ s += $1 } END { printf "%.2f", s }' cxx-time.txt)
  if [[ -z $total_best ]] || less "$total" "$total_best"; then total_best=$total cxx_best=$cxx; fi
done
hello_size=$(stat -c %s hello)
strip -o hello.stripped hello
hello_stripped=$(stat -c %s hello.stripped)

compile_table=$(bash "$here/compile_time.sh" "$root" "$out/compile")

table="| program | orvan time (s) | orvan peak (KB) | node time (s) | node peak (KB) | qjs time (s) | qjs peak (KB) |
|---|---|---|---|---|---|---|"
for prog in "$here"/programs/*.js; do
  name=$(basename "$prog" .js)
  "$root/orvan" -compile "$prog" -o "$out/$name" 2>/dev/null
  read -r ot om < <(measure "$out/$name")
  read -r nt nm < <(measure node "$prog")
  read -r qt qm < <(measure "$qjs" "$prog")
  table+=$'\n'"| $name | $ot | $om | $nt | $nm | $qt | $qm |"
done

results="Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores ($(uname -m)), $(node --version), best of $runs runs.

- hello world compile, total: ${total_best} s, of which the C++ compiler: ${cxx_best} s
- hello world executable: ${hello_size} bytes (${hello_stripped} bytes stripped)

$table

Compile time:

$compile_table"
echo "$results"

readme=$here/README.md
awk -v r="$results" '
  /<!-- results -->/ { print; print r; skip = 1; next }
  /<!-- \/results -->/ { skip = 0 }
  !skip { print }
' "$readme" >"$readme.new" && mv "$readme.new" "$readme"
