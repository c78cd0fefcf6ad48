#!/usr/bin/env bash
# Bundles one npm program with esbuild (its packages from the work copy that
# npm_setup.sh installed), builds the bundle as a control-plane program and
# compares it with node running the unbundled program.
# Usage: run_npm_program.sh <builder> <install root> <npm work dir> <name> <out dir> [flags]
set -u
builder=$1 inst=$2 npmwork=$3 name=$4 out=$5 cflags=${6:-}
esbuild=$inst/tools/jsc-npm-bundle/node_modules/.bin/esbuild
mkdir -p "$out"
bundle=$out/$name.bundle.js
if ! "$esbuild" "$npmwork/programs/$name.js" --bundle --platform=node --format=cjs --log-level=error --outfile="$bundle"; then
  echo "FAIL $name: esbuild failed"
  exit 1
fi
exec bash "$(dirname "$0")/run_control_plane.sh" "$builder" "$inst" "$bundle" "$out" "$cflags" "$npmwork/programs/$name.js"
