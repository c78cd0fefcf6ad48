#!/usr/bin/env bash
# Bad input against a compiled http server: malformed and oversized requests,
# a request split byte by byte, pipelining, a client that stops half-way, a
# thousand connections dropped at once. The server must answer or close, keep
# serving, not crash, and hold no more descriptors afterwards than before.
# Usage: run_http_abuse.sh <install dir> <work dir> [compiler flags]
set -u
here=$(cd "$(dirname "$0")" && pwd)
inst=$1 work=$2 cflags=${3:-}
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
args=(-compile "$here/servers/abuse_server.js" -o "$work/server")
[[ -n $cflags ]] && args+=(-cflags "$cflags")
"$inst/orvan" "${args[@]}" >compile.log 2>&1 || { echo "FAIL: compile"; cat compile.log; exit 1; }

./server >port.txt 2>server.err &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
port=''
for ((i = 0; i < 200; i++)); do
  [[ -n $port ]] && break
  sleep 0.1
  port=$(head -n1 port.txt)
done
[[ -n $port ]] || { echo "FAIL: the server printed no port"; cat server.err; exit 1; }
fds() { ls "/proc/$pid/fd" | wc -l; }
before=$(fds)

fail=0
node "$here/servers/abuse_client.js" "$port" || fail=1
kill -0 $pid 2>/dev/null || { echo "FAIL: the server died"; fail=1; }

# closes finish on the server's own time; give them a few seconds
after=$(fds)
for ((i = 0; i < 50 && after > before; i++)); do
  sleep 0.1
  after=$(fds)
done
if ((after > before)); then
  echo "FAIL: $before descriptors before, $after after"
  fail=1
fi
if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' server.err; then
  echo "FAIL: sanitizer report"
  head -40 server.err
  fail=1
fi
exit $fail
