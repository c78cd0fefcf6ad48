#!/usr/bin/env bash
# Builds the hybrid program of hybrid/ (compiled entry plus island), runs it
# and compares its output with hybrid/expected.txt (node cannot run the pair);
# with compiler flags its standard error must be free of sanitizer reports.
# Usage: run_hybrid.sh <builder> <install dir> <work dir> [flags]
set -u
builder=$1 inst=$2 work=$3 cflags=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
if ! "$builder" "$inst" "$here/hybrid/entry.js" "$here/hybrid/island.js" "$work/prog" "$cflags" >build.log 2>&1; then
  echo "FAIL: hybrid build failed"; head -30 build.log; exit 1
fi
./prog >prog.out 2>prog.err
status=$?
fail=0
if ! cmp -s "$here/hybrid/expected.txt" prog.out; then echo "FAIL: output differs (< expected)"; diff "$here/hybrid/expected.txt" prog.out; fail=1; fi
if ((status != 0)); then echo "FAIL: exit status $status"; fail=1; fi
if [[ -n $cflags ]] && grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' prog.err; then
  echo "FAIL: sanitizer report"; head -30 prog.err; fail=1
fi
((fail)) && head -20 prog.err
exit $fail
