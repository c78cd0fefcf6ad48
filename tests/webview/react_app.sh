#!/usr/bin/env bash
# A React front end (react and react-dom pinned in the fixture's lock file)
# bundled, inlined and embedded; the window renders the component and its
# button calls the compiled side through the bridge.
# Usage: react_app.sh <plain_build> <install root> <fixture> <work>
set -u
build=$1 root=$2 fixture=$3 work=$4
dir=$work/react-app
rm -rf "$dir" && mkdir -p "$work" && cp -R "$fixture" "$dir" && cd "$dir" || exit 1
npm ci --no-audit --no-fund --loglevel=error >npm.log 2>&1 || { cat npm.log; exit 1; }
if ! "$build" "$root" "$dir" "$dir/app" >build.log 2>&1; then
  echo "FAIL: build"; cat build.log; exit 1
fi
timeout 120 xvfb-run -a "$dir/app" >run.out 2>run.err
status=$?
printf '%s\n' "heading: Hello from React" "answer: hello react from the compiled side" "window closed" >expected
if ((status != 0)) || ! diff expected run.out; then
  echo "FAIL: status $status"; cat run.err; exit 1
fi
