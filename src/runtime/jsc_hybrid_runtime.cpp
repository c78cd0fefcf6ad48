// The island of a hybrid program runs in the embedded engine, which this
// runtime does not provide yet.
#include "runtime/jsc_runtime.h"
#include "runtime/jsc_rt_internal.h"

void jsc_hybrid_boot_island(const unsigned char* bundle, unsigned long long len) {
    (void)bundle;
    (void)len;
    jsrt_throw_error("Error", "orvan: hybrid programs need the embedded JavaScript engine, which this runtime does not provide yet");
}
