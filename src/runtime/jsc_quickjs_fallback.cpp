// eval and Function(...) run in the embedded engine; until it is linked in,
// they fail with a clear message.
#include "runtime/jsc_rt_internal.h"

namespace {
[[noreturn]] void no_engine(const char* what) {
    jsrt_throw_error("Error", std::string("orvan: ") + what + " needs the embedded JavaScript engine, which this runtime does not provide yet");
}
}  // namespace

JsValue jsc_quickjs_eval_from_jsvalue(const JsValue& code, const char* filename) {
    (void)code;
    (void)filename;
    no_engine("eval");
}
JsValue jsc_quickjs_function_construct_argv(int argc, const JsValue* argv) {
    (void)argc;
    (void)argv;
    no_engine("new Function");
}
