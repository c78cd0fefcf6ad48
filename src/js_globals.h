// Globals and start-up of a compiled program: the bootstrap calls that main()
// makes, the JavaScript globals the generated code names directly, and the
// entry points of the optional parts (event loop, embedded engine, web view).
#pragma once

#include "js_value.hpp"

// ---- start-up ---------------------------------------------------------------
// Records argv for process.argv and installs the uncaught-exception handler.
void js_process_init(int argc, char** argv);
JsValue js_builtin_console();
// The process object and the Buffer namespace come from the Node module sources.
JsValue js_node_process();
JsValue js_builtin_buffer_namespace();
// globalThis holding console, process, Buffer, Math, JSON, Orvan and the
// standard constructors and functions.
JsValue js_jsc_init_global_this(const JsValue& console, const JsValue& process, const JsValue& buffer);

// The by-name dispatcher of the entry module's functions (hybrid island calls).
typedef JsValue (*JsAotDispatch)(const char* name, const char* json);
void jsc_hybrid_set_aot_dispatch(JsAotDispatch fn);
JsAotDispatch jsc_hybrid_get_aot_dispatch();

// window.open(content, title, features, options): needs a web-view build.
JsValue js_window_open(const JsValue& content, const JsValue& title, const JsValue& features,
                       const JsValue& options);

// ---- JavaScript globals named directly by generated code -------------------------
extern JsValue Object, Array, String, Number, Boolean, Date, Error, TypeError, RangeError,
    SyntaxError, parseInt, parseFloat, isNaN, isFinite, encodeURIComponent,
    decodeURIComponent, undefined, NaN, Infinity;

// ---- event loop (timers) ----------------------------------------------------------
// Arguments after the delay reach the callback.
JsValue jsc_uv_set_timeout_argv(const JsValue& fn, const JsValue& ms, int argc, const JsValue* argv);
JsValue jsc_uv_set_interval_argv(const JsValue& fn, const JsValue& ms, int argc, const JsValue* argv);
JsValue jsc_uv_set_immediate_argv(const JsValue& fn, int argc, const JsValue* argv);
template <class... A>
JsValue jsc_uv_set_timeout_ms(const JsValue& fn, const JsValue& ms, const A&... extra) {
    const JsValue argv[sizeof...(A) + 1] = {JsValue(js_detail::as_value(extra))...};
    return jsc_uv_set_timeout_argv(fn, ms, (int)sizeof...(A), argv);
}
template <class... A>
JsValue jsc_uv_set_interval_ms(const JsValue& fn, const JsValue& ms, const A&... extra) {
    const JsValue argv[sizeof...(A) + 1] = {JsValue(js_detail::as_value(extra))...};
    return jsc_uv_set_interval_argv(fn, ms, (int)sizeof...(A), argv);
}
template <class... A>
JsValue jsc_uv_set_immediate(const JsValue& fn, const A&... extra) {
    const JsValue argv[sizeof...(A) + 1] = {JsValue(js_detail::as_value(extra))...};
    return jsc_uv_set_immediate_argv(fn, (int)sizeof...(A), argv);
}
JsValue jsc_uv_clear_timer(const JsValue& timer);
JsValue jsc_uv_clear_immediate(const JsValue& immediate);
void jsc_uv_run_loop_forever();
void jsc_uv_run_loop_until_idle();

// ---- embedded engine: eval and Function(...) ----------------------------------------
JsValue jsc_quickjs_eval_from_jsvalue(const JsValue& code, const char* filename);
JsValue jsc_quickjs_function_construct_argv(int argc, const JsValue* argv);
// Takes the generator's (const JsValue[]){ ... } literal, empty ones included.
template <class Arr>
JsValue jsc_quickjs_function_construct(int argc, const Arr& args) {
    constexpr std::size_t n = std::extent<Arr>::value;
    (void)argc;
    if constexpr (n == 0) {
        return jsc_quickjs_function_construct_argv(0, nullptr);
    } else {
        return jsc_quickjs_function_construct_argv((int)n, &args[0]);
    }
}
