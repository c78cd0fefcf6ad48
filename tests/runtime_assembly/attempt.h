// Shared by the programs of the unwind tests: calls one case, catches what it
// throws, and prints its result beside values this frame held in the
// registers a callee saves, which must come back intact after the catch.
#include <cstdio>
struct Failure { int code; };
template <class F> __attribute__((noinline)) void attempt(const char* what, long start, F f) {
    long u = start * 13 + 1, v = start * 17 + 2, w = start * 19 + 3, z = start * 23 + 4;
    asm volatile("" : "+r"(u), "+r"(v), "+r"(w), "+r"(z));
    long got = -1;
    try {
        got = f(start);
    } catch (const Failure& e) {
        got = 1000 + e.code;
    }
    asm volatile("" : "+r"(u), "+r"(v), "+r"(w), "+r"(z));
    std::printf("%s %ld %ld\n", what, got, u + v * 2 + w * 3 + z * 4);
}
