#!/usr/bin/env bash
# Compiles a program that uses what the compiler does not support. The compiler
# must end with status 0 or 1 (never a crash) and print the message that the
# program's first line names:  // expect: <status> <text on standard error>
# where <status> is 0, 1, or "any" for either.
# Usage: run_unsupported.sh <install dir> <program.js> <work dir>
set -u
inst=$1 prog=$2 work=$3
name=$(basename "$prog" .js)
dir=$work/$name
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 1
read -r _ _ want_status want_text < <(head -n 1 "$prog")
env_line=$(sed -n '2s|^// env: ||p' "$prog")

env $env_line "$inst/orvan" -compile "$prog" -o "$dir/prog" >compile.out 2>compile.err
got=$?
fail=0
if [[ $got != 0 && $got != 1 ]] || [[ $want_status != any && $got != "$want_status" ]]; then
  echo "FAIL $name: orvan exited with $got, expected $want_status"
  fail=1
fi
if ! grep -qF -- "$want_text" compile.err; then
  echo "FAIL $name: standard error lacks: $want_text"
  fail=1
fi
if ((got == 0)) && [[ ! -x prog ]]; then
  echo "FAIL $name: success reported but no executable"
  fail=1
fi
((fail)) && { echo "--- stderr:"; head -30 compile.err; echo "--- stdout:"; head -10 compile.out; }
exit $fail
