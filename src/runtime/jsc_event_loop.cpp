// The process's event loop: timers, immediates and the end-of-program run.
// With libuv (JSC_HAVE_UV) the loop is libuv's, shared with the network
// modules, the embedded engine and a GUI main loop; without it a small loop
// of its own runs timers and immediates after main's statements.
//
// Node's order: after every callback the nextTick queue, then the job drains
// (jsrt_loop_after_callback); timers by due time, ties in creation order;
// immediates after I/O. An error thrown by a callback leaves the loop and
// reaches main as an uncaught exception.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_event_loop.select.inc")
#include "prebuilt/jsc_event_loop.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "runtime/loop/loop.h"

#include "loop/loop_state.inc"
#include "loop/timers.inc"
#ifdef JSC_HAVE_UV
#include "loop/uv_backend.inc"
#else
#include "loop/plain_backend.inc"
#endif
#include "loop/entry_points.inc"

#endif  // JSC_RUNTIME_ASSEMBLED
