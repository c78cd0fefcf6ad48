// window.open in a web-view build. The GTK/WebKit window is not built yet, so
// the call fails with a clear message instead of opening nothing.
#include "runtime/jsc_rt_internal.h"

JsValue js_window_open(const JsValue& url, const JsValue& title, const JsValue& width, const JsValue& height) {
    (void)url;
    (void)title;
    (void)width;
    (void)height;
    jsrt_throw_error("Error", "orvan: window.open is not available yet in this runtime");
}
