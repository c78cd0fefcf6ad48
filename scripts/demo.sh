#!/usr/bin/env bash
# The main job, shown end to end.
set -euo pipefail
cd "$(dirname "$0")/.."
./orvan --version
echo "Compiling JavaScript arrives with the compile pipeline; see README.md."
