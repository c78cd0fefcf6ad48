#!/usr/bin/env bash
# The runtime's assembly loses the unwind entries of functions that call
# nothing. Exceptions must still cross every frame they can reach: a plain
# call through a function pointer, a frame with a destructor to run, a tail
# jump and a function whose rare path is split off; the functions that only
# compute lose their entries.
#
# Usage: leaf_unwind_test.sh <leaf_unwind.awk>
set -euo pipefail
awk_script=$(readlink -f "$1")
. "$(dirname "$0")/scratch.sh"

cat >rewritten.cpp <<'CXX'
#include <string>
#define KEEP extern "C" __attribute__((noinline))
struct Failure { int code; };
KEEP int leaf_square(int x) { return x * x; }
KEEP int leaf_sum(const int* v, int n) {
    int s = 0;
    for (int i = 0; i < n; i++) s += v[i] * (i + 1);
    return s;
}
KEEP int thrower(int x) {
    if (x > 2) throw Failure{x};
    return x;
}
// Calls out without anything to clean up: no exception table, but the
// exception passes through it.
KEEP int apply(int (*f)(int), int x) { return f(x) + 1; }
// A destructor runs while the exception passes.
KEEP int with_cleanup(int (*f)(int), int x) {
    std::string held(40, 'x');
    return f(x) + (int)held.size();
}
// Ends in a jump to the thrower: no frame of its own is left to unwind.
KEEP int forward(int x) { return thrower(x + 1); }
// The throw sits on a path the compiler moves out of line.
KEEP int checked(int x) {
    if (__builtin_expect(x < 0, 0)) throw Failure{-x};
    return x * 3;
}
CXX

cat >main.cpp <<'CXX'
#include <cstdio>
struct Failure { int code; };
extern "C" {
int leaf_square(int);
int leaf_sum(const int*, int);
int thrower(int);
int apply(int (*)(int), int);
int with_cleanup(int (*)(int), int);
int forward(int);
int checked(int);
}
template <class F> void attempt(const char* what, F f) {
    try {
        std::printf("%s %d\n", what, f());
    } catch (const Failure& e) {
        std::printf("%s caught %d\n", what, e.code);
    }
}
int main() {
    const int v[] = {1, 2, 3};
    attempt("square", [] { return leaf_square(7); });
    attempt("sum", [&] { return leaf_sum(v, 3); });
    attempt("apply", [] { return apply(thrower, 2); });
    attempt("apply", [] { return apply(thrower, 5); });
    attempt("cleanup", [] { return with_cleanup(thrower, 6); });
    attempt("forward", [] { return forward(3); });
    attempt("checked", [] { return checked(4); });
    attempt("checked", [] { return checked(-8); });
    return 0;
}
CXX

"$cxx" -std=c++17 -O2 -S rewritten.cpp -o compiled.s
awk -f "$awk_script" compiled.s >rewritten.s
"$cxx" -c rewritten.s -o rewritten.o
"$cxx" -std=c++17 -O2 main.cpp rewritten.o -o program
out=$(./program)
expected=$'square 49\nsum 14\napply 3\napply caught 5\ncleanup caught 6\nforward caught 4\nchecked 12\nchecked caught 8'
expect_output "$out" "$expected"

# The functions that compute lost their entries; those that call kept theirs.
has_entry() { awk -v f="$1" '$0 == f ":" { on = 1 } on && /\.cfi_startproc/ { found = 1 }
                             on && $1 == ".size" { exit } END { exit !found }' rewritten.s; }
for f in leaf_square leaf_sum; do
  if has_entry "$f"; then echo "$f kept its unwind entry" >&2; exit 1; fi
done
for f in apply with_cleanup; do
  if ! has_entry "$f"; then echo "$f lost its unwind entry" >&2; exit 1; fi
done
echo ok
