#!/usr/bin/env bash
# Builds one program as a control-plane program, runs it, and compares its
# standard output and exit status with node; with compiler flags (a sanitizer
# build) its standard error must be free of sanitizer reports, leaks included.
# Usage: run_control_plane.sh <builder> <install root> <program.js> <work dir> [flags] [node's program]
# node runs the last argument when given (the source a bundle was made from).
set -u
builder=$1 inst=$2 prog=$3 work=$4 cflags=${5:-} reference=${6:-$3}
name=$(basename "$prog" .js)
dir=$work/$name
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 1
# A program node cannot be held to (it would exhaust the machine) carries its
# expectations beside it in <name>.expect: "status N", "stdout <line>",
# "stderr <regex>", and "plain only" for one too heavy for a sanitizer build.
expect=${prog%.js}.expect
# Standard input comes from <name>.stdin beside the program, else from nothing.
input=${prog%.js}.stdin
[[ -f $input ]] || input=/dev/null
if [[ -f $expect ]]; then
  if [[ -n $cflags ]] && grep -qx 'plain only' "$expect"; then
    echo "SKIP $name: runs in the plain build only"
    exit 77
  fi
  sed -n 's/^stdout //p' "$expect" >node.out
  want=$(sed -n 's/^status //p' "$expect")
else
  node "$reference" <"$input" >node.out 2>node.err
  want=$?
fi
if ! "$builder" "$inst" "$prog" "$dir/prog" "$cflags" >build.log 2>&1; then
  echo "FAIL $name: build failed"; head -30 build.log; exit 1
fi
ASAN_OPTIONS=detect_leaks=1 ./prog <"$input" >prog.out 2>prog.err
got=$?
fail=0
if ! cmp -s node.out prog.out; then echo "FAIL $name: stdout differs (< node, > program)"; diff node.out prog.out | head -30; fail=1; fi
if [[ $want != "$got" ]]; then echo "FAIL $name: exit status $got, node gives $want"; fail=1; fi
if [[ -f $expect ]]; then
  while IFS= read -r pattern; do
    grep -qE -- "$pattern" prog.err || { echo "FAIL $name: standard error lacks /$pattern/"; fail=1; }
  done < <(sed -n 's/^stderr //p' "$expect")
fi
if [[ -n $cflags ]] && grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' prog.err; then
  echo "FAIL $name: sanitizer report"; head -30 prog.err; fail=1
fi
((fail)) && { echo '--- stderr'; head -20 prog.err; }
exit $fail
