// The process's one event loop, shared by compiled code, the embedded engine
// and a GUI main loop. Runtime sources include this header; generated code
// reaches the loop only through the jsc_uv_ entry points of js_globals.h.
//
// Order of work, as Node has it: after every callback the loop runs the
// nextTick queue, then every registered job drain (the engine's promise
// jobs), again and again until all are empty.
#pragma once

#include <functional>

#include "runtime/jsc_rt_internal.h"

// Milliseconds since the loop was created, cached at the start of each loop
// turn (as libuv caches "now"); jsrt_loop_update_now refreshes it.
double jsrt_loop_now_ms();
void jsrt_loop_update_now();

// A job drain runs the jobs that are pending now and says whether it ran any.
typedef bool (*JsrtJobDrain)();
void jsrt_loop_add_job_drain(JsrtJobDrain drain);
// Runs the nextTick queue and the job drains until all are empty. Called by
// the loop after each callback, and by anyone who calls JavaScript from
// outside the loop (a GUI signal handler, the end of main's statements).
void jsrt_loop_after_callback();

// The nextTick queue (kept by the Node modules, which every program has):
// runs it until empty and says whether anything ran; whether it holds work.
bool jsrt_run_ticks();
bool jsrt_ticks_pending();

// Calls `body` as a callback of the loop: then the ticks and drains run. An
// error it throws stops the loop and is rethrown from the call that runs the
// loop, so it reaches main as an uncaught exception; false in that case.
bool jsrt_loop_invoke(const std::function<void()>& body);

// Queues a task of the runtime's own (the completion of an asynchronous call)
// to run on a later turn, with the immediates.
void jsrt_loop_defer(std::function<void()> task);

// Runs the loop until nothing keeps it alive (the end of a program).
void jsrt_loop_run_to_end();

// Keeps the process alive for something that is not one of the loop's own
// handles (an open window, an engine operation in flight); one release per hold.
void jsrt_loop_hold();
void jsrt_loop_release();

// True while anything keeps the loop alive: referenced handles and timers,
// holds, queued ticks or jobs.
bool jsrt_loop_alive();

// Driving the loop from another main loop: watch the descriptor for input,
// wake after at most the timeout (-1: no timer pending), then run one turn
// that does not block. The descriptor is -1 when the loop has none.
int jsrt_loop_backend_fd();
int jsrt_loop_backend_timeout_ms();
void jsrt_loop_run_nowait();

// Watching a file descriptor. `events` is a mask of JSRT_READABLE and
// JSRT_WRITABLE; the callback gets the ready events. Null when the runtime
// was built without libuv.
enum { JSRT_READABLE = 1, JSRT_WRITABLE = 2 };
struct JsrtFdWatch;
JsrtFdWatch* jsrt_loop_watch_fd(int fd, int events, void (*cb)(void* data, int ready), void* data);
void jsrt_loop_unwatch_fd(JsrtFdWatch* watch);

#ifdef JSC_HAVE_UV
#include <uv.h>
// The libuv loop itself, for handles the runtime's modules create.
uv_loop_t* jsrt_loop_uv();
#endif
