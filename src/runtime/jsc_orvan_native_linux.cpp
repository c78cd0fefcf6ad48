// Members of the `Orvan` object in web-view builds: none yet.
#include "runtime/jsc_rt_internal.h"

void jsc_orvan_native_install(const JsValue& orvan) {
    (void)orvan;
}
