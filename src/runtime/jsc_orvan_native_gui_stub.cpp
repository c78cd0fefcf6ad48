// Members of the `Orvan` object in programs without a native GUI: none.
// Built installations carry this source as assembly (the runtime headers alone
// cost a program's build more than the code below).
#if __has_include("prebuilt/jsc_orvan_native_gui_stub.select.inc")
#include "prebuilt/jsc_orvan_native_gui_stub.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/jsc_rt_internal.h"

void jsc_orvan_native_install(const JsValue& orvan) {
    (void)orvan;
}

#endif  // JSC_RUNTIME_ASSEMBLED
