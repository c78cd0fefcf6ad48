#!/usr/bin/env bash
# A program whose folder and output names hold shell characters compiles, runs,
# and leaves no trace of the shell code in those names.
# Usage: run_shell_paths.sh <install dir> <work dir>
set -u
inst=$1 work=$2
base=$work/shell-paths
rm -rf "$base" && mkdir -p "$base" && cd "$base" || exit 1
fail=0
for name in 'a$(touch pwned)b' 'q"uote' 'tick`touch pwned`\slash'; do
  mkdir -p "$base/$name"
  printf 'console.log("ran in a strange folder");\n' >"$base/$name/main.js"
  if ! "$inst/orvan" -compile "$base/$name/main.js" -o "$base/$name/out \$HOME" >log 2>&1; then
    echo "FAIL: compile in [$name]"; cat log; fail=1; continue
  fi
  [[ $("$base/$name/out \$HOME") == "ran in a strange folder" ]] || { echo "FAIL: run in [$name]"; fail=1; }
done
if [[ -e pwned || -e $base/pwned ]]; then
  echo "FAIL: shell code in a path was run"
  fail=1
fi
exit $fail
