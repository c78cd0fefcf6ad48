#!/usr/bin/env bash
# Builds the reference interpreter `qjs` from the same QuickJS sources as the
# compiler's engine objects: qjsc first, which turns repl.js and qjscalc.js into C,
# then qjs itself, linked with the prebuilt engine objects.
# Usage: build_qjs.sh <repo root> <output dir>
set -eu
root=$1 out=$2
src=$root/deps/node_modules/qjsc/deps/quickjs_2021_03_27
objs=()
for o in quickjs dtoa libregexp libunicode cutils quickjs-libc; do objs+=("$root/vendor/quickjs/obj/$o.o"); done
cflags=(-O2 -D_GNU_SOURCE '-DCONFIG_VERSION="2021-03-27"' -DCONFIG_BIGNUM -I"$src" -w)
mkdir -p "$out"
[[ -x $out/qjs ]] && exit 0
gcc "${cflags[@]}" -o "$out/qjsc" "$src/qjsc.c" "${objs[@]}" -lm -ldl -pthread
"$out/qjsc" -c -o "$out/repl.c" -m "$src/repl.js"
"$out/qjsc" -fbignum -c -o "$out/qjscalc.c" "$src/qjscalc.js"
gcc "${cflags[@]}" -o "$out/qjs" "$src/qjs.c" "$out/repl.c" "$out/qjscalc.c" "${objs[@]}" -lm -ldl -pthread
