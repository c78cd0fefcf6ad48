// window.open in a program built without a web view.
// Built installations carry this source as assembly (the runtime headers alone
// cost a program's build more than the code below).
#if __has_include("prebuilt/jsc_webview_stub.select.inc")
#include "prebuilt/jsc_webview_stub.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/jsc_rt_internal.h"

JsValue js_window_open(const JsValue& content, const JsValue& title, const JsValue& features,
                       const JsValue& options) {
    (void)content;
    (void)title;
    (void)features;
    (void)options;
    jsrt_throw_error("Error",
                     "orvan: window.open needs a web view, but this program was built without one "
                     "(build a project with -build to get a web-view program)");
}

#endif  // JSC_RUNTIME_ASSEMBLED
