#!/usr/bin/env bash
# Lays out an installation for the tests: a copy of the freshly built compiler
# beside links to the parser libraries, runtime, engine and bundling script of
# the source tree (the compiler finds them beside its own executable).
# Usage: install_tree.sh <built orvan> <source dir> <install dir>
set -eu
orvan=$1 src=$2 inst=$3
mkdir -p "$inst"
cp -f "$orvan" "$inst/orvan"
for item in esprima.js babel.min.js esprima.js.bytecode babel.min.js.bytecode src vendor tools; do
  ln -sfn "$src/$item" "$inst/$item"
done
