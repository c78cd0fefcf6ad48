#!/usr/bin/env bash
# The scaffold's page in a real window: "Ping backend" answered through the
# bridge, an emitted event decoded by the page, app.svg from the app's origin,
# odd asset and bridge requests, and the window closing with status 0.
# Usage: scaffold_window.sh <program folder> <expected output>
set -u
dir=$1 expected=$2
timeout 120 xvfb-run -a "$dir/app" interact >"$dir/window.out" 2>"$dir/window.err"
status=$?
if ((status != 0)) || ! diff "$expected" "$dir/window.out"; then
  echo "FAIL: status $status"
  cat "$dir/window.err"
  exit 1
fi
