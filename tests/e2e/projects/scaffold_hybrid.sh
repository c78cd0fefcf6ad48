#!/usr/bin/env bash
# The project that -init writes, as a user meets it: built, then started twice
# (the executable itself, then `orvan run`); each time its island answers curl
# on 127.0.0.1:48313 while the compiled main.js has printed its line.
# Usage: scaffold_hybrid.sh <install dir> <work dir>
inst=$1 work=$2 name=project_scaffold_hybrid
source "$(dirname "$0")/support.sh"
port=48313

port_taken() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
if port_taken; then
  echo "FAIL: port $port is already in use by another program; free it and rerun"
  exit 1
fi

# ask <path>: the body curl gets, once the server answers (bounded wait).
ask() {
  local i
  for ((i = 0; i < 150; i++)); do
    curl -s --max-time 2 "http://127.0.0.1:$port$1" && return 0
    sleep 0.1
  done
  return 1
}

# check_serving <program output file>: the island's answers and both sides' lines.
check_serving() {
  [[ $(ask /) == "hello from orvan island" ]] || bad "island did not answer / as expected"
  [[ $(ask /nope) == "not found" ]] || bad "island did not answer 404 text"
  grep -qxF "orvan AOT main.js running" "$1" || bad "no line from main.js: $(head -5 "$1")"
  grep -qxF "orvan island listening on http://127.0.0.1:$port" "$1" || bad "no line from the island: $(head -5 "$1")"
}

# stop <pid>: ends a program this script started and waits until the port is free.
stop() {
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  local i
  for ((i = 0; i < 50; i++)); do port_taken || return 0; sleep 0.1; done
  bad "port $port still taken after the program ended"
}

"$orvan" -init app 2>init.log || { bad "init failed: $(cat init.log)"; finish; }
"$orvan" -build app >build.log 2>&1
[[ $(tail -1 build.log) == "src/main.js must contain placeholder __ORVAN_BUNDLE_HTML__" ]] ||
  bad "scaffold built with its page: $(tail -3 build.log)"
"$orvan" -build app --no-inline-html --time >build.log 2>&1 || { bad "build failed"; tail -30 build.log; finish; }
exe=app/.orvan-build/app_app.bin
grep -E '^orvan benchmark \(build\)' build.log
echo "executable size: $(stat -c %s "$exe") bytes"

"$exe" >direct.out 2>&1 &
pid=$!
check_serving direct.out
kill -0 "$pid" 2>/dev/null || bad "the program ended while its island was serving"
stop "$pid"

"$orvan" run app --no-inline-html >run.out 2>run.err &
runner=$!
for ((i = 0; i < 1200; i++)); do
  grep -q '^orvan: running' run.err && break
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
check_serving run.out
program=$(ps -o pid= --ppid "$runner" | tr -d ' ')
if [[ -n $program ]]; then stop "$program"; else bad "no program under orvan run"; fi
wait "$runner"
status=$?
((status == 1)) || bad "orvan run of a program ended by a signal gave status $status"
finish
