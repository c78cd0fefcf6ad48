#!/usr/bin/env bash
# The C++ compiler, timed: appends its wall time in seconds to $BENCH_CXX_TIME.
start=$(date +%s.%N)
"${BENCH_REAL_CXX:-c++}" "$@"
status=$?
end=$(date +%s.%N)
echo "$end - $start" | bc >>"$BENCH_CXX_TIME"
exit $status
