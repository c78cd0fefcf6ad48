#!/usr/bin/env bash
# Compiles the examples into native executables and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
./orvan --version
for example in examples/hello.js examples/inventory/main.js; do
  echo
  echo "\$ ./orvan -compile $example -o $out/app"
  ./orvan -compile "$example" -o "$out/app"
  echo "\$ $out/app"
  "$out/app"
done
