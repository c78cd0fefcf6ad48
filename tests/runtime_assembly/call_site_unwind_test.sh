#!/usr/bin/env bash
# The runtime's assembly states its unwind rules only at calls. Exceptions must
# still cross every such frame and give the catching frame back its registers:
# a frame holding values in the registers it saves, with early returns whose
# epilogues come before later calls; a frame addressed through its frame
# pointer (a variable-length array); and calls made before the frame is laid
# out in full. The rewritten file holds fewer rules than the compiler wrote.
#
# Usage: call_site_unwind_test.sh <call_site_unwind.awk>
set -euo pipefail
awk_script=$(readlink -f "$1")
. "$(dirname "$0")/scratch.sh"

cat >rewritten.cpp <<'CXX'
#include <cstring>
#include "thrower.h"
// Values live across its calls in saved registers; each early return has an
// epilogue of its own, after which calls follow again.
KEEP long juggle(int (*f)(int), long a, long b, long c, long d) {
    long p = a * 3 + b, q = b * 5 + c, r = c * 7 + d, s = d * 11 + a;
    if (a == 1) return p;
    long t = f((int)a) + p;
    if (b == 1) return t + q;
    t += f((int)b) * q;
    if (c == 1) return t + r;
    std::string held(48, 'x');
    t += f((int)c) * r + (long)held.size();
    return t + f((int)d) * s + p + q + r + s;
}
// The frame is found through its frame pointer.
KEEP int sized(int (*f)(int), int n) {
    char buf[n + 1];
    std::memset(buf, 'y', n);
    buf[n] = 0;
    std::string copy(buf);
    return f(n) + (int)copy.size();
}
CXX

cat >main.cpp <<'CXX'
#include "attempt.h"
extern "C" {
int thrower(int);
long juggle(int (*)(int), long, long, long, long);
int sized(int (*)(int), int);
}
int main() {
    attempt("juggle", 1, [](long s) { return juggle(thrower, s, 2, 2, 2); });
    attempt("juggle", 2, [](long s) { return juggle(thrower, s, 1, 2, 2); });
    attempt("juggle", 2, [](long s) { return juggle(thrower, s, 2, 2, 2); });
    attempt("juggle", 3, [](long s) { return juggle(thrower, 2, s, 2, 2); });
    attempt("juggle", 4, [](long s) { return juggle(thrower, 2, 2, s, 2); });
    attempt("juggle", 5, [](long s) { return juggle(thrower, 2, 2, 2, s); });
    attempt("sized", 2, [](long s) { return (long)sized(thrower, (int)s); });
    attempt("sized", 9, [](long s) { return (long)sized(thrower, (int)s); });
    return 0;
}
CXX

"$cxx" -std=c++17 -O2 -I"$here" -S rewritten.cpp -o compiled.s
awk -f "$awk_script" compiled.s >rewritten.s
"$cxx" -c rewritten.s -o rewritten.o
"$cxx" -std=c++17 -O2 -I"$here" main.cpp rewritten.o -o program
"$cxx" -c compiled.s -o compiled.o
"$cxx" -std=c++17 -O2 -I"$here" main.cpp compiled.o -o reference
out=$(./program)
expected=$(./reference)
expect_output "$out" "$expected"
# A caught exception reads 1000 and its code.
if (($(grep -c '^juggle 100[0-9] ' <<<"$out") != 3 || $(grep -c '^sized 100[0-9] ' <<<"$out") != 1)); then
  printf 'the exceptions did not all cross the rewritten frames:\n%s\n' "$out" >&2
  exit 1
fi

# The cases reach what they are about, and the rules shrank.
count() { grep -c -- "$1" "$2" || true; }
for rule in .cfi_remember_state .cfi_def_cfa_register; do
  if (($(count "$rule" compiled.s) == 0)); then echo "the compiler wrote no $rule" >&2; exit 1; fi
done
before=$(count '\.cfi_' compiled.s) after=$(count '\.cfi_' rewritten.s)
if ((after >= before)); then
  echo "the rewritten file keeps $after rules of $before" >&2
  exit 1
fi
if (($(count .cfi_remember_state rewritten.s) != 0)); then
  echo "remembered rules left in the rewritten file" >&2
  exit 1
fi

# A function with a rule the rewriting does not follow keeps its rules.
printf '\t.text\nf:\n\t.cfi_startproc\n\tpushq %%rbx\n\t.cfi_def_cfa_offset 16\n\t.cfi_escape 0x2e,0x10\n\tcall g\n\tpopq %%rbx\n\t.cfi_def_cfa_offset 8\n\tret\n\t.cfi_endproc\n' >escape.s
if ! cmp -s escape.s <(awk -f "$awk_script" escape.s); then
  echo "a function with .cfi_escape was rewritten" >&2
  exit 1
fi
echo ok
