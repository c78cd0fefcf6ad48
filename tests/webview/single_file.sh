#!/usr/bin/env bash
# window.open in a program compiled from one file with -compile.
# Usage: single_file.sh <built orvan> <source dir> <program.js> <work>
set -u
orvan=$1 src=$2 program=$3 work=$4
dir=$work/single-file
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 1
bash "$src/tests/e2e/install_tree.sh" "$orvan" "$src" "$dir/install" || exit 1
"$dir/install/orvan" -compile "$program" -o app >build.log 2>&1 || { echo "FAIL: compile"; cat build.log; exit 1; }
timeout 120 xvfb-run -a ./app >run.out 2>run.err
status=$?
printf '%s\n' "asset status 404" "window closed" >expected
if ((status != 0)) || ! diff expected run.out; then
  echo "FAIL: status $status"; cat run.err; exit 1
fi
