// The control plane runs its bundle in the embedded engine, which this
// runtime does not provide yet.
#include "runtime/jsc_runtime.h"
#include "runtime/jsc_rt_internal.h"

void jsc_control_plane_run_embedded(const unsigned char* bundle, size_t len) {
    (void)bundle;
    (void)len;
    jsrt_throw_error("Error", "orvan: control-plane programs need the embedded JavaScript engine, which this runtime does not provide yet");
}
