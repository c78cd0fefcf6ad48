#!/usr/bin/env bash
# Compiles one JavaScript program with orvan, runs it, and compares its standard
# output and exit status with node running the same file.
# Usage: run_program.sh <install dir> <program.js> <work dir> [compiler flags]
# With compiler flags (a sanitizer build) the program's standard error must also
# be free of sanitizer reports. Standard input comes from <name>.stdin beside
# the program, else from nothing.
set -u
inst=$1 prog=$2 work=$3 cflags=${4:-}
name=$(basename "$prog" .js)
dir=$work/$name
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 1

input=${prog%.js}.stdin
[[ -f $input ]] || input=/dev/null

node "$prog" <"$input" >node.out 2>node.err
want=$?

args=(-compile "$prog" -o "$dir/prog")
[[ -n $cflags ]] && args+=(-cflags "$cflags")
if ! "$inst/orvan" "${args[@]}" >compile.log 2>&1; then
  echo "FAIL $name: orvan -compile failed"
  cat compile.log
  exit 1
fi

./prog <"$input" >prog.out 2>prog.err
got=$?

fail=0
if ! cmp -s node.out prog.out; then
  echo "FAIL $name: standard output differs from node (< node, > orvan)"
  diff node.out prog.out | head -40
  fail=1
fi
if [[ $want != "$got" ]]; then
  echo "FAIL $name: exit status $got, node gives $want"
  fail=1
fi
if [[ -n $cflags ]] && grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' prog.err; then
  echo "FAIL $name: sanitizer report"
  head -40 prog.err
  fail=1
fi
if ((fail)); then
  echo "--- program stderr:"
  head -20 prog.err
  echo "--- compile log:"
  head -20 compile.log
fi
exit $fail
