#!/usr/bin/env bash
# A program that only opens windows (it links without the event loop): bad
# arguments, three windows one after another (page text and a public file's
# path) with the sizes their features and options ask for, a window refused
# while one is open, and without a display a clear message and status 1.
# Usage: window_only.sh <plain_build> <install root> <fixture> <work>
set -u
build=$1 root=$2 fixture=$3 work=$4
dir=$work/window-only
rm -rf "$dir" && mkdir -p "$work" && cp -R "$fixture" "$dir" || exit 1
if ! "$build" "$root" "$dir" "$dir/app" >"$dir/build.log" 2>&1; then
  echo "FAIL: build"; cat "$dir/build.log"; exit 1
fi
if grep -q 'jsc_uv_\|JSC_RUNTIME_UV\|JSC_RUNTIME_QUICKJS' "$dir/.orvan-build/main.cc"; then
  echo "FAIL: the program was expected to have no event loop"; exit 1
fi
fail=0
timeout 120 xvfb-run -a "$dir/app" >"$dir/run.out" 2>"$dir/run.err"
status=$?
printf '%s\n' "opening" \
  "window.open expects the page's HTML, a URL or a file's path as a string. Received 42" \
  "window.open expects the features as a string such as \"width=900,height=700\". Received 5" >"$dir/expected-headless"
cp "$dir/expected-headless" "$dir/expected"
printf '%s\n' "nested: orvan: window.open: a window is already open; windows open one after another" \
  "inner size 800x600" "bye from the page" "first window closed" "inner size 320x200" "second window closed" \
  "nested: orvan: window.open: a window is already open; windows open one after another" \
  "inner size 800x600" "bye from the page" "third window closed" \
  "after closing: false false" >>"$dir/expected"
if ((status != 0)) || ! diff "$dir/expected" "$dir/run.out"; then
  echo "FAIL: with a display, status $status"; cat "$dir/run.err"; fail=1
fi

env -u DISPLAY -u WAYLAND_DISPLAY "$dir/app" >"$dir/headless.out" 2>"$dir/headless.err"
status=$?
message="Uncaught Error: orvan: window.open cannot open a window: no display is available (set DISPLAY to a running X server, or run the program under xvfb-run)"
if ((status != 1)) || ! cmp -s "$dir/expected-headless" "$dir/headless.out" || ! grep -qxF "$message" "$dir/headless.err"; then
  echo "FAIL: without a display, status $status"; cat "$dir/headless.out" "$dir/headless.err"; fail=1
fi
exit $fail
