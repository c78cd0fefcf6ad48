// window.open in a program built without a web view.
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
