#!/usr/bin/env bash
# Compiles a program with orvan (ahead of time; its eval and Function run in
# the engine) and compares it with node, through the end-to-end runner, with
# runtime objects cached by the content of the runtime tree.
# Usage: run_compiled_program.sh <install dir> <program.js> <work dir> [compiler flags]
set -u
inst=$1
exec bash "$(dirname "$0")/../../e2e/run_program.sh" "$@"
