#!/usr/bin/env bash
# The C++ compiler, timed: appends its wall time in seconds to $BENCH_CXX_TIME.
start=$(date +%s.%N)
"${BENCH_REAL_CXX:-c++}" "$@"
status=$?
end=$(date +%s.%N)
awk -v a="$end" -v b="$start" 'BEGIN { printf "%.3f\n", a - b }' >>"$BENCH_CXX_TIME"
exit $status
