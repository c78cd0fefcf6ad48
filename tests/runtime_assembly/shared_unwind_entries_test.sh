#!/usr/bin/env bash
# Neighbouring functions without exception tables share one unwind entry in
# the runtime's assembly. An exception must still cross each of them with the
# frame of its own: a chain of such functions, each saving other registers,
# calls down to one that throws, past a function with a destructor to run
# (which keeps an entry of its own), and the catching frame gets its registers
# back. The rewritten file has fewer entries than it had.
#
# Usage: shared_unwind_entries_test.sh <tools/runtime-assembly dir>
set -euo pipefail
tools=$(readlink -f "$1")
. "$(dirname "$0")/scratch.sh"

cat >rewritten.cpp <<'CXX'
#include "thrower.h"
// Laid out with fewer saved registers in each next function, so that a rule
// left over from the function before would be read for the wrong frame.
KEEP long one(int (*f)(int), long a);
KEEP long two(int (*f)(int), long a, long b);
KEEP long three(int (*f)(int), long a, long b, long c) {
    long p = a * 7 + c, q = b * 11 + a, r = c * 13 + b;
    asm volatile("" : "+r"(p), "+r"(q), "+r"(r));
    return two(f, a, b) * p + q * r;
}
KEEP long two(int (*f)(int), long a, long b) {
    long p = a * 3 + b, q = b * 5 + a;
    asm volatile("" : "+r"(p), "+r"(q));
    return one(f, a) * p + q;
}
KEEP long one(int (*f)(int), long a) { return f((int)a) + a; }
KEEP long held(int (*f)(int), long a) {
    std::string text(40, 'z');
    return three(f, a, 2, 3) + (long)text.size();
}
KEEP long four(int (*f)(int), long a, long b, long c, long d) {
    long p = a + b * 2, q = c + d * 3, r = a * d, s = b * c;
    asm volatile("" : "+r"(p), "+r"(q), "+r"(r), "+r"(s));
    return held(f, a) + p * q + r * s;
}
CXX

cat >main.cpp <<'CXX'
#include "attempt.h"
extern "C" {
int thrower(int);
long one(int (*)(int), long);
long two(int (*)(int), long, long);
long three(int (*)(int), long, long, long);
long four(int (*)(int), long, long, long, long);
}
int main() {
    for (long s = 1; s <= 4; s++) {
        attempt("one", s, [](long a) { return one(thrower, a); });
        attempt("two", s, [](long a) { return two(thrower, a, 2); });
        attempt("three", s, [](long a) { return three(thrower, a, 2, 2); });
        attempt("four", s, [](long a) { return four(thrower, a, 2, 2, 2); });
    }
    return 0;
}
CXX

# The functions keep the order of the source.
"$cxx" -std=c++17 -O2 -fno-toplevel-reorder -I"$here" -S rewritten.cpp -o compiled.s
awk -f "$tools/call_site_unwind.awk" compiled.s >stated.s
awk -f "$tools/shared_unwind_entries.awk" stated.s >rewritten.s
"$cxx" -std=c++17 -O2 -I"$here" main.cpp rewritten.s -o program
"$cxx" -std=c++17 -O2 -I"$here" main.cpp compiled.s -o reference
out=$(./program)
expected=$(./reference)
expect_output "$out" "$expected"
# A caught exception reads 1000 and its code: starts 3 and 4 throw in each chain.
if (($(grep -c '^[a-z]* 100[34] ' <<<"$out") != 8)); then
  printf 'the exceptions did not all cross the shared entries:\n%s\n' "$out" >&2
  exit 1
fi

entries() { grep -c '\.cfi_startproc' "$1" || true; }
if (($(entries rewritten.s) >= $(entries stated.s))); then
  echo "no unwind entry was shared" >&2
  exit 1
fi
# The function with an exception table keeps an entry to itself.
if ! awk '$0 == "held:" { on = 1 } on && /\.cfi_startproc/ { found = 1 } on && $1 == ".size" { exit }
          END { exit !found }' rewritten.s; then
  echo "held lost its own unwind entry" >&2
  exit 1
fi
echo ok
