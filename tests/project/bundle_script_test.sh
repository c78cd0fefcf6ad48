#!/usr/bin/env bash
# The bundling script with the pinned esbuild, on a project whose packages are
# made here (no registry needed): the output runs like the entry under node, holds
# no CommonJS wrappers (except for "browser"), keeps built-ins as require calls,
# and a failure gives a non-zero status.
# Usage: bundle_script_test.sh <repo root>
set -u
script=$1/tools/jsc-npm-bundle/bundle.mjs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/proj/node_modules/shout" "$work/proj/node_modules/wrap" "$work/proj/src"
cat >"$work/proj/node_modules/shout/index.js" <<'JS'
'use strict';
var wrap = require('wrap');
var marks = "!";
function shout(s) { return wrap(s.toUpperCase() + marks); }
module.exports = shout;
JS
cat >"$work/proj/node_modules/wrap/index.js" <<'JS'
// A string that mentions module.exports and exports stays as it is.
var note = "module.exports and exports";
exports = module.exports = function wrap(s) { return "<" + s + ">"; };
module.exports.note = note;
JS
cat >"$work/proj/src/main.js" <<'JS'
const shout = require('shout');
const os = require('os');
const wrap = require('wrap');
console.log(shout('hey'), wrap.note, typeof os.platform());
JS

cd "$work/proj"
node src/main.js >want.txt || fail "node on the entry"
for platform in neutral node; do
  node "$script" src/main.js "$work/proj" "$work/out-$platform.js" "$platform" || fail "bundle for $platform"
  node "$work/out-$platform.js" >got.txt || fail "node on the $platform bundle"
  cmp -s want.txt got.txt || fail "$platform bundle prints $(cat got.txt), not $(cat want.txt)"
  grep -q '__commonJS' "$work/out-$platform.js" && fail "$platform bundle keeps CommonJS wrappers"
  grep -q 'require("os")' "$work/out-$platform.js" || fail "$platform bundle lost require(\"os\")"
done
printf 'console.log(require("shout")("b"));\n' >src/web.js
node "$script" src/web.js "$work/proj" "$work/out-browser.js" browser || fail "bundle for browser"
[[ $(node "$work/out-browser.js") == "<B!>" ]] || fail "browser bundle output"
if node "$script" src/missing.js "$work/proj" "$work/out-missing.js" node 2>/dev/null; then
  fail "a missing entry reported success"
fi
echo ok
