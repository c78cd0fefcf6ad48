#!/usr/bin/env bash
# Compile-time benchmark: wall time and peak memory of orvan on generated sources, beside the
# time node takes to run the same source. Prints a markdown table.
#   bench/compile_time.sh <orvan root> <work folder>
# Figures: the whole compile (front end, C++ generation and the C++ compiler) of hello world, of
# 5 000 top-level statements and of 10 000 small functions; the front end and C++ generation alone
# (--print-c) of a 100 000-line source.
set -eu
root=$1
out=$2
mkdir -p "$out"
node "$root/bench/gen_compile_inputs.js" "$out"
printf 'console.log("Hello, world!");\n' >"$out/hello.js"

# "<wall s> <peak KB>" of one run of the command
once() {
  /usr/bin/time -f '%e %M' -o "$out/ct-time.txt" "$@" >/dev/null 2>&1 || echo "failed: $*" >&2
  cat "$out/ct-time.txt"
}

# a / b to one place; "-" when b is zero
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else printf "-" }'; }

echo "| source | orvan step | orvan time (s) | orvan peak (KB) | node run time (s) | orvan/node |"
echo "|---|---|---|---|---|---|"
for name in hello statements functions; do
  read -r t m < <(once "$root/orvan" -compile "$out/$name.js" -o "$out/$name")
  read -r nt _ < <(once node "$out/$name.js")
  echo "| $name.js | -compile | $t | $m | $nt | $(ratio "$t" "$nt") |"
done
read -r t m < <(once "$root/orvan" --print-c "$out/large.js")
read -r nt _ < <(once node "$out/large.js")
echo "| large.js (100 000 lines) | --print-c | $t | $m | $nt | $(ratio "$t" "$nt") |"
