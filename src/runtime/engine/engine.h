// The embedded engine as the rest of the runtime sees it: one QuickJS runtime
// and context per process, made on first use and freed at exit; values that
// cross between compiled code and engine code; the mapping between a thrown
// JsThrow and an engine exception.
#pragma once

#include <string>
#include <vector>

#include "runtime/jsc_rt_internal.h"

// The engine's header comes after ours: its JS_UNDEFINED and JS_NULL macros
// then name engine values in the engine sources (compiled values are written
// JsValue() and JsValue::make_null() there), and its JS_BOOL macro is
// dropped so that it leaves our JS_BOOL alone. It is C with inline helpers
// that ignore some parameters.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wcast-function-type"
#include "quickjs.h"
#pragma GCC diagnostic pop
#undef JS_BOOL

// Built with the engine (tools/quickjs-extras): a promise's state, 0 pending,
// 1 fulfilled, 2 rejected, -1 for another value; a settled one's result goes
// to *result.
extern "C" int jsc_qjs_promise_state(JSContext* ctx, JSValueConst promise, JSValue* result);

// The process's context, created (with its promise-job drain registered on
// the loop) on first use.
JSContext* jsc_engine_context();
bool jsc_engine_alive();

// Compiled value -> engine value (fresh reference) and back. Functions cross
// as callable wrappers in both directions; a value that crosses back comes
// back as itself. `keep_identity` also makes objects and arrays that cross
// twice arrive as the same object (eval and Function use it).
JSValue jsc_engine_from_compiled(JSContext* ctx, const JsValue& v, bool keep_identity = false);
JsValue jsc_engine_to_compiled(JSContext* ctx, JSValueConst v, bool keep_identity = false);

// Helpers for the engine's natives: a value's text (UTF-8), the bytes of a
// typed array or ArrayBuffer (false for other values), and an opaque engine
// object holding a compiled value (a loop handle) and the value it holds.
std::string jsc_engine_string(JSContext* ctx, JSValueConst v);
bool jsc_engine_bytes(JSContext* ctx, JSValueConst v, std::vector<unsigned char>* out);
JSValue jsc_engine_hold_compiled(JSContext* ctx, const JsValue& v);
const JsValue* jsc_engine_held_compiled(JSValueConst holder);

// The pending engine exception becomes a JsThrow carrying the converted value.
[[noreturn]] void jsc_engine_rethrow(JSContext* ctx);
// A C++ exception caught at a native boundary becomes the pending engine
// exception; returns JS_EXCEPTION for the native to return.
JSValue jsc_engine_throw_current(JSContext* ctx);

// Calls an engine function from native code, turning an exception into a
// JsThrow. Runs no jobs.
JsValue jsc_engine_call(JSContext* ctx, JSValueConst fn, JSValueConst self, int argc, JSValueConst* argv);

// The same, giving the engine's result or JS_EXCEPTION as it is.
JSValue jsc_engine_call_raw(JSContext* ctx, JSValueConst fn, JSValueConst self, int argc, JSValueConst* argv);

// Programs whose whole JavaScript runs in the engine (control plane, island):
// an exception that reaches the loop ends the process as Node does.
void jsc_engine_set_program_mode(bool on);
bool jsc_engine_program_mode();
// Prints "Uncaught ..." for an exception value (taking it) and ends the
// process with 1.
[[noreturn]] void jsc_engine_die_uncaught(JSContext* ctx, JSValue exc);
// The pending exception of engine code that the loop called: in a program
// that lives in the engine it is uncaught (jsc_engine_uncaught); otherwise it
// is rethrown as a JsThrow.
void jsc_engine_callback_threw(JSContext* ctx);
// An exception nobody caught (taking it): a process 'uncaughtException'
// listener gets it and the program goes on; without one the process ends as
// jsc_engine_die_uncaught does.
void jsc_engine_uncaught(JSContext* ctx, JSValue exc);
// Text of an engine value the way the uncaught report shows it.
std::string jsc_engine_describe(JSContext* ctx, JSValueConst v);

// process.exit was called: the exit that follows runs no more JavaScript
// than the 'exit' event.
void jsc_engine_note_exit();
bool jsc_engine_exit_noted();

// Hooks the Node environment fills in.
struct JscEngineHooks {
    // Runs the tick queue (before promise jobs); true when it ran any.
    bool (*run_ticks)(JSContext* ctx) = nullptr;
    // A rejection nobody handled once the jobs ran out.
    void (*on_unhandled)(JSContext* ctx, JSValueConst reason, JSValueConst promise) = nullptr;
    // An exception nobody caught: true when a listener took it.
    bool (*on_uncaught)(JSContext* ctx, JSValueConst exc) = nullptr;
    // The text of an uncaught exception (the environment's inspect).
    std::string (*describe)(JSContext* ctx, JSValueConst v) = nullptr;
    // The exit sequence (process 'exit' event) with the status so far; gives
    // the final status. Runs once.
    int (*on_exit)(JSContext* ctx, int code) = nullptr;
};
JscEngineHooks& jsc_engine_hooks();

// Keeps an engine value (taking it) until the engine shuts down; the slot
// stays valid for the whole run.
JSValue* jsc_engine_root(JSValue v);

// Frees the context and runtime; values the compiled side still holds are
// released first, so nothing of the engine is left. Does nothing while engine
// code is running (process.exit from a callback): the process ends anyway.
void jsc_engine_shutdown();
