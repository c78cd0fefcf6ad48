// Timers and the event loop. Programs that need them are refused at run time
// with a clear message until the event loop is built.
#include "runtime/jsc_rt_internal.h"

namespace {
[[noreturn]] void no_event_loop(const char* what) {
    jsrt_throw_error("Error", std::string("orvan: ") + what + " needs the event loop, which this runtime does not provide yet");
}
}  // namespace

JsValue jsc_uv_set_timeout_ms(const JsValue& fn, const JsValue& ms) {
    (void)fn;
    (void)ms;
    no_event_loop("setTimeout");
}
JsValue jsc_uv_set_interval_ms(const JsValue& fn, const JsValue& ms) {
    (void)fn;
    (void)ms;
    no_event_loop("setInterval");
}
JsValue jsc_uv_clear_timer(const JsValue& timer) {
    (void)timer;
    no_event_loop("clearTimeout");
}
void jsc_uv_run_loop_forever() { no_event_loop("this program"); }
// Nothing can be pending without timers: the loop is idle at once.
void jsc_uv_run_loop_until_idle() {}
