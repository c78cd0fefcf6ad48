// Control-plane programs: the whole entry script, bundled, runs as the main
// module of the Node environment in the embedded engine; main then runs the
// loop, and the process ends with Node's status once nothing is pending.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_orvan_qjs.select.inc")
#include "prebuilt/jsc_orvan_qjs.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/engine/engine.h"
#include "runtime/engine/node_environment.h"
#include "runtime/jsc_runtime.h"
#include "runtime/loop/loop.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The end of a program that was not stopped by process.exit: the 'exit'
// event, then the engine is freed, and the status is process.exitCode.
void finish_program() {
    if (!jsc_engine_alive()) return;
    // A hybrid program's main may return without running the loop (its
    // compiled part needed none); the island's timers and I/O still run.
    if (!jsc_engine_exit_noted() && jsrt_loop_alive()) jsc_uv_run_loop_forever();
    JSContext* ctx = jsc_engine_context();
    JscEngineHooks& hooks = jsc_engine_hooks();
    int code = hooks.on_exit ? hooks.on_exit(ctx, 0) : 0;
    jsc_engine_shutdown();
    std::fflush(stdout);
    std::fflush(stderr);
    if (code != 0) {
#if defined(__SANITIZE_ADDRESS__)
        // _exit skips the leak check that a normal exit would run.
        __lsan_do_leak_check();
#endif
        _exit(code);
    }
}

std::string program_path() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, (std::size_t)n) : std::string("/orvan-program");
}

}  // namespace

// Runs a bundle as the main module of a program that lives in the engine;
// used by the control plane and by the island of a hybrid program.
void jsc_engine_run_program(const unsigned char* bundle, size_t len, const std::string& filename) {
    JSContext* ctx = jsc_engine_context();
    jsc_engine_set_program_mode(true);
    static bool exit_registered = false;
    if (!exit_registered) {
        exit_registered = true;
        std::atexit(finish_program);
    }
    JSValue run_main = jsc_node_environment_main(ctx, filename);
    if (JS_IsException(run_main)) jsc_engine_die_uncaught(ctx, JS_GetException(ctx));
    JSValue source = JS_NewStringLen(ctx, reinterpret_cast<const char*>(bundle), len);
    JSValue r = jsc_engine_call_raw(ctx, run_main, JS_UNDEFINED, 1, &source);
    JS_FreeValue(ctx, source);
    JS_FreeValue(ctx, run_main);
    if (JS_IsException(r)) jsc_engine_die_uncaught(ctx, JS_GetException(ctx));
    JS_FreeValue(ctx, r);
    jsrt_loop_after_callback();
}

void jsc_control_plane_run_embedded(const unsigned char* bundle, size_t len) {
    jsc_engine_run_program(bundle, len, program_path());
}

#endif  // JSC_RUNTIME_ASSEMBLED
