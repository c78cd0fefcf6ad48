#!/usr/bin/env bash
# Fixture of the end-to-end suite: lays out the installation and fills the object
# cache once for each flag set the suite uses (other suites share the cache). A program that fails
# to build here fails again, with its own report, in the tests themselves.
# Usage: warm_cache.sh <built orvan> <source dir> <work dir>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
orvan=$1 src=$2 work=$3
bash "$here/install_tree.sh" "$orvan" "$src" "$work/install"
rm -rf "$work/warm"
mkdir -p "$work/warm"
cd "$work/warm"
# A plain program, and one on the event loop with the Node I/O runtime.
printf 'console.log("warm");\n' > plain.js
printf 'var events = require("events");\n' > loop.js
for kind in plain loop; do
  "$work/install/orvan" -compile $kind.js -o $kind >$kind.log 2>&1 &
  "$work/install/orvan" -compile $kind.js -o $kind-asan -cflags "$ORVAN_E2E_ASAN_FLAGS" >$kind-asan.log 2>&1 &
done
wait
