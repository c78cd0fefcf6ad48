#!/usr/bin/env bash
# -bundle-npm end to end: installs the test project's pinned packages, compiles
# its entry together with them, and compares the program with node.
# Usage: run_bundle_npm.sh <install dir> <project source dir> <work dir>
set -u
inst=$1 project=$2 work=$3
dir=$work/npm-project
rm -rf "$dir" && mkdir -p "$dir" && cp -R "$project/." "$dir/" && cd "$dir" || exit 1
npm ci --no-audit --no-fund --loglevel=error >npm.log 2>&1 || { cat npm.log; exit 1; }

node src/main.js >node.out 2>&1 || { echo "node failed"; cat node.out; exit 1; }
if ! "$inst/orvan" -compile src/main.js -bundle-npm -bundle-platform node -o app >compile.log 2>&1; then
  echo "FAIL: orvan -compile -bundle-npm failed"
  cat compile.log
  exit 1
fi
./app >app.out 2>app.err
status=$?
if ! cmp -s node.out app.out || ((status != 0)); then
  echo "FAIL: program differs from node (status $status)"
  diff node.out app.out
  cat app.err compile.log | head -40
  exit 1
fi
# The temporary bundle does not outlive the build.
for leftover in "${TMPDIR:-/tmp}"/orvan-npm-*.js; do
  if [[ -f $leftover ]] && grep -q 'left_pad' "$leftover"; then
    echo "FAIL: temporary bundle left behind: $leftover"
    exit 1
  fi
done
exit 0
