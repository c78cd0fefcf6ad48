// Shared by the rewritten files of the unwind tests: the function at the
// bottom of every chain of calls, which throws for values above 2.
#include <string>
#define KEEP extern "C" __attribute__((noinline))
struct Failure { int code; };
KEEP int thrower(int x) {
    if (x > 2) throw Failure{x};
    return x;
}
