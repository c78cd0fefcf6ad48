#!/usr/bin/env bash
# Fixture of the end-to-end suite: lays out the installation, empties the object
# cache and fills it once for each flag set the suite uses. A program that fails
# to build here fails again, with its own report, in the tests themselves.
# Usage: warm_cache.sh <built orvan> <source dir> <work dir>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
orvan=$1 src=$2 work=$3
bash "$here/install_tree.sh" "$orvan" "$src" "$work/install"
rm -rf "$ORVAN_E2E_CACHE" "$work/warm"
mkdir -p "$work/warm"
cd "$work/warm"
printf 'console.log("warm");\n' > warm.js
"$work/install/orvan" -compile warm.js -o warm >warm.log 2>&1 &
"$work/install/orvan" -compile warm.js -o warm-asan -cflags "$ORVAN_E2E_ASAN_FLAGS" >warm-asan.log 2>&1 &
wait
