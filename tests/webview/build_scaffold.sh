#!/usr/bin/env bash
# Scaffolds a project, gives it the entry under test and builds it as a plain
# web-view program: <work>/<name>/app, built with the extra compiler flags.
# Usage: build_scaffold.sh <orvan> <plain_build> <install root> <work> <name> [cflags]
set -u
orvan=$1 build=$2 root=$3 work=$4 name=$5
export PLAIN_BUILD_CFLAGS=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
dir=$work/$name
rm -rf "$dir" && mkdir -p "$work" || exit 1
"$orvan" -init "$dir" 2>/dev/null || { echo "FAIL: -init"; exit 1; }
cp "$here/scaffold_main.js" "$dir/src/main.js" || exit 1
# the scaffold is a hybrid project; the web view is the plain kind's
printf '{\n  "entry": "src/main.js",\n  "publicDir": "public"\n}\n' >"$dir/orvan.config.json"
if ! "$build" "$root" "$dir" "$dir/app" >"$dir/build.log" 2>&1; then
  echo "FAIL: build"
  cat "$dir/build.log"
  exit 1
fi
