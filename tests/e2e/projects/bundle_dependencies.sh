#!/usr/bin/env bash
# A plain project with `bundleDependencies`: its entry requires an npm package
# pinned by the fixture's lock file; the build bundles them into one entry,
# compiles it, and the program matches node.
# Usage: bundle_dependencies.sh <install dir> <work dir> <npm fixture dir>
inst=$1 work=$2 fixture=$3 name=project_bundle_dependencies
source "$(dirname "$0")/support.sh"

mkdir app && cp -R "$fixture/." app/ && cd app || exit 1
npm ci --no-audit --no-fund --loglevel=error >npm.log 2>&1 || { cat npm.log; exit 1; }
echo '{"bundleDependencies": true, "bundlePlatform": "node"}' >orvan.config.json
# The build compiles a copy of the entry in .orvan-build, so the entry names
# packages and built-in modules only.
cat >src/main.js <<'JS'
const leftPad = require("left-pad");
const path = require("path");
console.log(leftPad("5", 3, "0"));
console.log(leftPad("42", 8, "*") + path.basename("/var/data/report.txt"));
JS

node src/main.js >node.out 2>&1 || bad "node failed: $(cat node.out)"
"$orvan" build >build.log 2>&1 || { bad "build failed"; tail -30 build.log; finish; }
[[ -s .orvan-build/main.bundled.js ]] || bad "no dependency bundle in the build folder"
.orvan-build/._app.bin >app.out 2>app.err || bad "program failed: $(cat app.err)"
same "program output" node.out app.out
finish
