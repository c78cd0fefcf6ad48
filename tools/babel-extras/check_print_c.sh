#!/usr/bin/env bash
# Checks that two installations of the compiler (each a directory holding
# orvan, esprima.js and babel.min.js) print the same C++ for every JavaScript
# source under tests/, bench/ and examples/ and for the generated benchmark
# inputs: the same text, the same messages and the same exit status. Used to
# show that a change to babel.min.js leaves the front end's result alone.
# Usage: check_print_c.sh <old dir> <new dir>   (run from the project root)
set -euo pipefail
old=$(cd "$1" && pwd) new=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/inputs"
node bench/gen_compile_inputs.js "$work/inputs" >/dev/null
# Each run starts in an empty directory: the compiler reads the libraries from
# the working directory before its own.
mkdir "$work/cwd"
find "$PWD/tests" "$PWD/bench" "$PWD/examples" "$work/inputs" -name '*.js' -type f | sort >"$work/list"
echo "$(wc -l <"$work/list") sources"
compare() {
  local src=$1 sum=()
  for dir in "$old" "$new"; do
    sum+=("$(cd "$work/cwd" && { "$dir/orvan" --print-c "$src" 2>&1; echo "exit $?"; } | sha1sum)")
  done
  [[ ${sum[0]} == "${sum[1]}" ]] || echo "differs: $src"
}
export -f compare
export old new work
xargs -a "$work/list" -P "$(nproc)" -I{} bash -c 'compare "$1"' _ {} | tee "$work/differ"
if [[ -s $work/differ ]]; then exit 1; fi
echo "all the same"
