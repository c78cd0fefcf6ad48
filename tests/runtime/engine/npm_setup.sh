#!/usr/bin/env bash
# Installs the npm programs' pinned packages (package-lock.json) into a work copy.
# Usage: npm_setup.sh <fixture dir> <work dir>
set -eu
src=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
cp "$src/package.json" "$src/package-lock.json" "$work/"
cp -R "$src/programs" "$work/programs"
cd "$work" && npm ci --no-audit --no-fund --loglevel=error
