#!/usr/bin/env bash
# Every way a project build refuses, each from a fresh folder with the real
# compiler: the exact message on standard error, status 1, and nothing on
# standard output.
# Usage: failures.sh <install dir> <work dir>
inst=$1 work=$2 name=project_failures
source "$(dirname "$0")/support.sh"

# expect <message> <orvan arguments...>: the whole of standard error must be the message.
expect() {
  local message=$1
  shift
  "$orvan" "$@" >out.txt 2>err.txt
  local status=$?
  ((status == 1)) || bad "$* gave status $status"
  [[ -s out.txt ]] && bad "$* wrote to standard output: $(head -3 out.txt)"
  printf '%s\n' "$message" | cmp -s - err.txt || { bad "$* said:"; cat err.txt; echo "expected:"; echo "$message"; }
}

# project <folder> <configuration> [entry text]: a project with that configuration.
project() {
  rm -rf "$1" && mkdir -p "$1/src" && printf '%s' "$2" >"$1/orvan.config.json"
  (($# > 2)) && printf '%s' "$3" >"$1/src/main.js"
  return 0
}

expect "missing orvan.config.json in $scratch/none
  create a project with:  $orvan -init $scratch/none
  or in one step:        $orvan -build init $scratch/none" build none
[[ -d none/.orvan-build ]] || bad "no build folder for a project without configuration"

project json '{"entry": }'
expect "[json.exception.parse_error.101] parse error at line 1, column 11: syntax error while parsing value - unexpected '}'; expected '[', '{', or a literal" build json
project array '[1]'
expect "[json.exception.type_error.306] cannot use value() with array" build array
project type '{"hybrid": "yes"}'
expect "[json.exception.type_error.302] type must be boolean, but is string" build type

project both '{"hybrid": true, "controlPlane": true, "quickjsIsland": "src/island.js"}'
expect 'orvan: config: "controlPlane" and "hybrid" cannot both be true.' build both
[[ -e both/public ]] && bad "public folder made before the configuration was accepted"
project noisland '{"hybrid": true}'
expect 'orvan: hybrid builds require "quickjsIsland" (path to island entry .js) in orvan.config.json.' build noisland

project noentry '{"entry": "src/app.js"}'
expect "orvan: entry file not found: $scratch/noentry/src/app.js" -build noentry

project noplace '{}' 'console.log(1);'
mkdir -p noplace/public && echo '<p>page</p>' >noplace/public/index.html
expect "src/main.js must contain placeholder __ORVAN_BUNDLE_HTML__" run noplace

project island '{"hybrid": true, "quickjsIsland": "src/island.js"}' 'console.log(1);'
expect "orvan: hybrid: quickjsIsland file not found: $scratch/island/src/island.js" build island

# The only page lies outside the public folder, so the asset table leaves it out.
project outside '{}' 'console.log(__ORVAN_BUNDLE_HTML__.length);'
mkdir -p outside/public && echo '<p>elsewhere</p>' >page.html && ln -s "$scratch/page.html" outside/public/index.html
expect "expected embedded assets after bundling." build outside

# A compiler that succeeds without writing a program: nothing can be started.
project noexe '{}' 'console.log(1);'
printf '#!/bin/sh\nexit 0\n' >fake-cxx && chmod +x fake-cxx
CXX=$scratch/fake-cxx "$orvan" run noexe >out.txt 2>err.txt
status=$?
((status == 1)) || bad "a program that cannot start gave status $status"
grep -qxF "orvan: cannot start $scratch/noexe/.orvan-build/noexe_app.bin: No such file or directory" err.txt ||
  bad "no reason given: $(cat out.txt err.txt)"
finish
