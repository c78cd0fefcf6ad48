// Members of the `Orvan` object in programs without a native GUI: none.
#include "runtime/jsc_rt_internal.h"

void jsc_orvan_native_install(const JsValue& orvan) {
    (void)orvan;
}
