#!/usr/bin/env bash
# `orvan -init` as a user runs it: a fresh skeleton, then a second run that keeps every file.
set -u
orvan=$(realpath "$1")
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail=0
files="orvan.config.json public/style.css public/index.html public/app.svg src/main.js src/island.js"

err=$("$orvan" -init demo 2>&1 >/dev/null); status=$?
if [ $status != 0 ] || [ "$err" != "orvan: scaffolded project in $work/demo" ]; then
    echo "FAIL first run: status=$status err=[$err]"; fail=1
fi
for f in $files; do
    [ -s "demo/$f" ] || { echo "FAIL missing demo/$f"; fail=1; }
done

echo "// mine" > demo/src/main.js
rm demo/public/app.svg
err=$("$orvan" -init demo 2>&1 >/dev/null); status=$?
[ $status = 0 ] || { echo "FAIL second run status=$status"; fail=1; }
[ "$(cat demo/src/main.js)" = "// mine" ] || { echo "FAIL src/main.js was overwritten"; fail=1; }
[ -s demo/public/app.svg ] || { echo "FAIL missing public/app.svg not written again"; fail=1; }
for f in $files; do
    if [ "$f" = public/app.svg ]; then
        grep -qF "kept existing $f" <<<"$err" && { echo "FAIL app.svg reported as kept"; fail=1; }
    else
        grep -qxF "orvan: kept existing $f" <<<"$err" || { echo "FAIL $f not reported as kept: [$err]"; fail=1; }
    fi
done
grep -qxF "orvan: scaffolded project in $work/demo" <<<"$err" || { echo "FAIL second success line"; fail=1; }

mkdir here && cd here || exit 1
err=$("$orvan" -init 2>&1 >/dev/null)
[ "$err" = "orvan: scaffolded project in $work/here/." ] || { echo "FAIL init without folder: [$err]"; fail=1; }
[ -f orvan.config.json ] || { echo "FAIL init without folder wrote no config"; fail=1; }

[ $fail = 0 ] && echo "init cli ok"
exit $fail
