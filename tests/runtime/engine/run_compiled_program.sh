#!/usr/bin/env bash
# Compiles a program with orvan (ahead of time; its eval and Function run in
# the engine) and compares it with node, through the end-to-end runner, with
# runtime objects cached by the content of the runtime tree.
# Usage: run_compiled_program.sh <install dir> <program.js> <work dir> [compiler flags]
set -u
inst=$1
key=$(find "$inst/src/runtime" -type f | sort | xargs cat | sha1sum | cut -c1-16)
export ORVAN_E2E_CACHE=$ORVAN_ENGINE_CACHE/$key CXX=$ORVAN_ENGINE_CXX
exec bash "$(dirname "$0")/../../e2e/run_program.sh" "$@"
