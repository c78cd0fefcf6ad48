// The embedded engine: one QuickJS runtime and context per process, values
// and exceptions crossing between compiled and engine code, and eval and
// Function(...) for compiled programs. Every build that names the engine
// compiles this file; the Node environment and the programs that live in
// the engine build on it.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_quickjs_fallback.select.inc")
#include "prebuilt/jsc_quickjs_fallback.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/engine/engine.h"
#include "runtime/loop/loop.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include <sys/resource.h>

#include "runtime/engine/engine_context.inc"
#include "runtime/engine/value_bridge.inc"
#include "runtime/engine/error_bridge.inc"
#include "runtime/engine/eval_function.inc"

#endif  // JSC_RUNTIME_ASSEMBLED
