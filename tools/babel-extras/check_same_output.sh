#!/usr/bin/env bash
# Checks that two builds of babel.min.js turn every source below into the same
# text: the project's own JavaScript (tests/, bench/ and the generated benchmark
# inputs) and the npm code in deps/node_modules and tools/jsc-npm-bundle/node_modules.
# Usage: check_same_output.sh <babel.min.js A> <babel.min.js B>   (run from the project root)
# To check patch_babel.sh, compare the installed library with the same
# additions the Makefile makes against the built one:
#   cat deps/node_modules/@babel/standalone/babel.min.js tools/babel-extras/function_length.js >/tmp/unpatched.js
#   tools/babel-extras/check_same_output.sh /tmp/unpatched.js babel.min.js
set -euo pipefail
a=$1 b=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
node bench/gen_compile_inputs.js "$work" >/dev/null
# The benchmark's 100 000-line input takes minutes per build; its first
# 20 000 lines hold every construct it has.
head -n 20000 "$work/large.js" >"$work/large20k.js" && rm "$work/large.js"
{
  find tests bench "$work" -name '*.js' -type f
  find deps/node_modules tools/jsc-npm-bundle/node_modules -name '*.js' -type f \
    -not -name '*.min.js' -size -200k
} | sort >"$work/list"
echo "$(wc -l <"$work/list") sources"
node "$here/same_output.js" "$a" "$b" "$work/list"
