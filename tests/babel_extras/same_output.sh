#!/usr/bin/env bash
# The built babel.min.js (with the cost patches of tools/babel-extras) turns
# each sample, the end-to-end programs and the benchmark generator's inputs
# into the same text as the library it was made from.
# Usage: same_output.sh <project root>
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat "$root/deps/node_modules/@babel/standalone/babel.min.js" "$root/tools/babel-extras/function_length.js" \
  >"$work/unpatched.js"
mkdir "$work/inputs"
node "$root/bench/gen_compile_inputs.js" "$work/inputs" >/dev/null
# The first lines of the large input hold every construct it has.
head -n 2000 "$work/inputs/large.js" >"$work/large_head.js"
{
  ls "$root"/tests/babel_extras/samples/*.js "$root"/tests/e2e/programs/*.js "$root"/tests/e2e/programs/lib/*.js
  echo "$work/large_head.js"
} >"$work/list"
node "$root/tools/babel-extras/same_output.js" "$work/unpatched.js" "$root/babel.min.js" "$work/list"
