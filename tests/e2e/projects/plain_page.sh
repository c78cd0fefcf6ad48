#!/usr/bin/env bash
# A plain project whose entry holds the page placeholder: built with the real
# compiler, its program prints facts about the inlined page, compared with node
# running the same entry (the build folder keeps it). A public file whose name
# holds a carriage return must not break the generated asset table.
# Usage: plain_page.sh <install dir> <work dir> [extra compiler flags]
inst=$1 work=$2 cflags=${3:-} name=plain_page${3:+_asan}
source "$(dirname "$0")/support.sh"

cp -R "$here/plain-page" app
printf 'odd' > "app/public/line"$'\r'"end.txt"
if ! "$orvan" -build app ${cflags:+-cflags "$cflags"} >build.log 2>&1; then
  bad "build failed"
  tail -30 build.log
  finish
fi
grep -qxF "orvan: built \"$scratch/app/.orvan-build/app_app.bin\"" build.log || bad "no built line: $(cat build.log)"
node app/.orvan-build/main.entry.js >node.out 2>&1 || bad "node failed: $(cat node.out)"
app/.orvan-build/app_app.bin >app.out 2>app.err || bad "program failed: $(cat app.err)"
same "program output" node.out app.out
[[ -s app.err ]] && bad "program wrote to stderr: $(head -5 app.err)"
finish
