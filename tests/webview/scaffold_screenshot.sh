#!/usr/bin/env bash
# The scaffold's window captured from the X display and compared with the
# reference image: at most 2% of the pixels may differ by more than the fuzz,
# so a blank or broken page (the 120x80 image alone is over 3%) fails.
# Runs inside xvfb-run. Usage: scaffold_screenshot.sh <work> <reference.png>
set -u
work=$1 reference=$2
dir=$work/scaffold
flags=$dir/shot
rm -rf "$flags" && mkdir -p "$flags" || exit 1
"$dir/app" shot "$flags" >"$flags/app.out" 2>"$flags/app.err" &
pid=$!
for _ in $(seq 600); do
  [ -e "$flags/shown" ] && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
[ -e "$flags/shown" ] || { echo "FAIL: the page was never shown"; cat "$flags/app.err"; kill $pid 2>/dev/null; exit 1; }
import -window root -crop 640x480+0+0 +repage "$flags/shot.png"
touch "$flags/done"
wait $pid
status=$?
((status == 0)) || { echo "FAIL: status $status"; cat "$flags/app.err"; exit 1; }
differing=$(compare -metric AE -fuzz 15% "$flags/shot.png" "$reference" "$flags/diff.png" 2>&1 >/dev/null)
limit=$((640 * 480 * 2 / 100))
if ! [[ $differing =~ ^[0-9]+$ ]] || ((differing > limit)); then
  echo "FAIL: $differing pixels differ from the reference (limit $limit); see $flags/shot.png and $flags/diff.png"
  exit 1
fi
