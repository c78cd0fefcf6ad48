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
runs=${BENCH_RUNS:-5}
mkdir -p "$out"
bash "$root/scripts/apt-deps.sh" time

# a - b, and whether a < b, for decimal seconds
minus() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a - b }'; }
less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

bash "$here/build_qjs.sh" "$root" "$out/qjs-build"
qjs=$out/qjs-build/qjs

# median wall time (s, to the millisecond: the fastest programs run for a few
# hundredths) of $runs runs and the peak resident size (KB) of the last one
measure() {
  local times=() m start end
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s.%N)
    /usr/bin/time -f '%M' -o "$out/time.txt" "$@" >"$out/stdout.txt" 2>/dev/null
    end=$(date +%s.%N)
    read -r m <"$out/time.txt"
    times+=("$(awk -v a="$end" -v b="$start" 'BEGIN { printf "%.3f", a - b }')")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v m="$m" '{ v[NR] = $1 } END { printf "%s %s\n", v[int((NR + 1) / 2)], m }'
}
# a / b to two places; "-" when b is zero (a run too short to time)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }

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

# Each program is timed under the three side by side, so that the ratios hold
# on a machine whose load changes between programs.
table="| program | orvan time (s) | node time (s) | qjs time (s) | orvan/node | orvan/qjs | orvan peak (KB) | node peak (KB) | qjs peak (KB) |
|---|---|---|---|---|---|---|---|---|"
logsum=0 count=0
for prog in "$here"/programs/*.js; do
  name=$(basename "$prog" .js)
  "$root/orvan" -compile "$prog" -o "$out/$name" 2>/dev/null
  read -r ot om < <(measure "$out/$name")
  read -r nt nm < <(measure node "$prog")
  read -r qt qm < <(measure "$qjs" "$prog")
  on=$(ratio "$ot" "$nt") oq=$(ratio "$ot" "$qt")
  table+=$'\n'"| $name | $ot | $nt | $qt | $on | $oq | $om | $nm | $qm |"
  if [[ $on != - ]]; then
    logsum=$(awk -v s="$logsum" -v r="$on" 'BEGIN { printf "%.6f", s + log(r) }')
    count=$((count + 1))
  fi
done
geomean=$(awk -v s="$logsum" -v n="$count" 'BEGIN { printf "%.2f", n ? exp(s / n) : 0 }')

results="Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores ($(uname -m)), $(node --version), median of $runs runs.

- hello world compile, total: ${total_best} s, of which the C++ compiler: ${cxx_best} s
- hello world executable: ${hello_size} bytes (${hello_stripped} bytes stripped)

$table

Geometric mean of orvan/node: ${geomean}

Compile time:

$compile_table"
echo "$results"

readme=$here/README.md
awk -v r="$results" '
  /<!-- results -->/ { print; print r; skip = 1; next }
  /<!-- \/results -->/ { skip = 0 }
  !skip { print }
' "$readme" >"$readme.new" && mv "$readme.new" "$readme"
