#!/usr/bin/env bash
# HTTP load benchmark (make bench-http): wrk against servers/hello_server.js
# compiled by orvan and run by node, on 127.0.0.1 only. For each server:
# requests per second, p99 latency and socket errors of one run, then rounds
# until at least a million requests were served, with the resident size after
# each round (it should stay flat), and the peak resident size.
# Results replace the block between the http markers in bench/README.md.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$here/results/http
mkdir -p "$out"
bash "$root/scripts/apt-deps.sh" wrk
threads=${WRK_THREADS:-2}
conns=${WRK_CONNECTIONS:-64}
secs=${WRK_SECONDS:-10}
target=${BENCH_HTTP_REQUESTS:-1000000}

"$root/orvan" -compile "$here/servers/hello_server.js" -o "$out/hello_server" >"$out/compile.log" 2>&1

# Starts a server, waits for the port it prints; sets pid and port.
start() {
  "$@" >"$out/port.txt" 2>"$out/server.err" &
  pid=$!
  port=''
  for ((i = 0; i < 100; i++)); do
    port=$(head -n1 "$out/port.txt" 2>/dev/null || true)
    [[ -n $port ]] && break
    sleep 0.1
  done
  [[ -n $port ]] || { echo "server did not start"; cat "$out/server.err"; exit 1; }
}

kb() { awk -v k="$1" '$1 == k":" { print $2 }' "/proc/$pid/status"; }

# wrk once; prints requests/s, p99, requests and socket errors
run_wrk() {
  wrk -t"$threads" -c"$conns" -d"${1}s" --latency "http://127.0.0.1:$port/" >"$out/wrk.txt"
  local rps p99 total errors
  rps=$(awk '/^Requests\/sec:/ { print $2 }' "$out/wrk.txt")
  p99=$(awk '$1 == "99%" { print $2 }' "$out/wrk.txt")
  total=$(awk '/requests in/ { print $1 }' "$out/wrk.txt")
  errors=$(awk '/Socket errors:/ { e = 0; for (i = 3; i <= NF; i += 2) e += $(i + 1) + 0; print e }' "$out/wrk.txt")
  echo "$rps $p99 $total ${errors:-0}"
}

measure() {
  local name=$1
  shift
  start "$@"
  local rps p99 total errors served=0 rounds='' round_secs
  read -r rps p99 total errors < <(run_wrk "$secs")
  served=$total
  local sum_errors=$errors
  rounds="$(kb VmRSS)"
  round_secs=$(((target / (total / secs + 1)) / 4 + 1))
  for ((r = 0; r < 8 && served < target; r++)); do
    local t e
    read -r _ _ t e < <(run_wrk "$round_secs")
    served=$((served + t))
    sum_errors=$((sum_errors + e))
    rounds="$rounds $(kb VmRSS)"
  done
  local peak
  peak=$(kb VmHWM)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "| $name | $rps | $p99 | $sum_errors | $served | $peak | $rounds |"
}

table="| server | requests/s | p99 latency | socket errors | requests served | peak RSS (KB) | RSS after each round (KB) |
|---|---|---|---|---|---|---|
$(measure "orvan -compile" "$out/hello_server")
$(measure "node $(node --version)" node "$here/servers/hello_server.js")"

echo "$table"
block="Measured $(date -u '+%Y-%m-%d %H:%M') UTC on $(nproc) cores, wrk -t$threads -c$conns, ${secs} s first run.

$table"
awk -v block="$block" '
  /<!-- http-results -->/ { print; print block; skip = 1; next }
  /<!-- \/http-results -->/ { skip = 0 }
  !skip { print }' "$here/README.md" >"$out/README.new"
mv "$out/README.new" "$here/README.md"
