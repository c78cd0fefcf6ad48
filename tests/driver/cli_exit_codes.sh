#!/usr/bin/env bash
# Exit statuses and streams of the command line, checked against the running binary.
set -u
orvan=$1
fail=0
check() {  # name, expected status, expected stdout, stderr pattern, args...
    local name=$1 want=$2 wantOut=$3 errPat=$4
    shift 4
    local out err status
    out=$("$orvan" "$@" 2>/tmp/orvan_cli_err.$$)
    status=$?
    err=$(cat /tmp/orvan_cli_err.$$)
    if [ "$status" != "$want" ] || [ "$out" != "$wantOut" ] || ! grep -qE -- "$errPat" <<<"$err$( [ -z "$err" ] && echo '<empty>')"; then
        echo "FAIL $name: status=$status out=[$out] err=[$err]"
        fail=1
    fi
}
check version       0 "orvan 1.0.0" "<empty>" --version
check version-late  0 "orvan 1.0.0" "<empty>" -version -zzz
check unknown-first 1 ""            "^Orvan 1.0.0" -zzz --version
check no-args       1 ""            "^Orvan 1.0.0 — JavaScript-to-native compiler"
check o-last        1 ""            "Usage:" -o
check compile-only  1 ""            "^orvan: missing input\." -compile
check build-init    1 ""            "^orvan: build init requires <dir>$" build init
rm -f /tmp/orvan_cli_err.$$
[ $fail = 0 ] && echo "cli exit codes ok"
exit $fail
