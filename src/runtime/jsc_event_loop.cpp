// Timers and the end-of-program loop. Callbacks queued by setTimeout and
// setInterval run after main's statements, in due-time order (ties in the order
// they were created); the loop returns when nothing is pending, which is how a
// Node script that only uses timers ends. A callback that throws leaves the loop
// as an uncaught exception.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <map>
#include <thread>
#include <utility>
#include <vector>

#include "runtime/loop/loop.h"

namespace {

using Clock = std::chrono::steady_clock;
using Due = std::pair<long long, std::uint64_t>;  // (due time in ms, creation sequence)

struct Timer {
    JsValue fn;
    long long interval;  // 0 for a one-shot timer
};

struct TimerQueue {
    std::map<Due, Timer> pending;
    std::map<std::uint64_t, Due> dueById;
    std::uint64_t nextId = 1;
    Clock::time_point origin = Clock::now();
    long long now = 0;  // cached at the start of each turn
    std::vector<JsrtJobDrain> drains;
    int holds = 0;

    long long nowMs() const { return now; }
    void updateNow() {
        now = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - origin).count();
    }
};

TimerQueue& timers() {
    static TimerQueue q;
    return q;
}

// Node's rule: a delay that is not a number from 1 to 2^31-1 becomes 1.
long long delayMs(const JsValue& ms) {
    const double d = jsrt_to_number(ms);
    if (!(d >= 1 && d <= 2147483647.0)) return 1;
    return static_cast<long long>(d);
}

void arm(std::uint64_t id, JsValue fn, long long delay, long long interval) {
    TimerQueue& q = timers();
    const Due due{q.nowMs() + delay, id};
    q.pending[due] = Timer{std::move(fn), interval};
    q.dueById[id] = due;
}

JsValue schedule(const JsValue& fn, const JsValue& ms, bool repeat) {
    if (!jsrt_is_function(fn))
        jsrt_throw_error("TypeError", std::string("The \"callback\" argument must be of type function. Received ") +
                                          jsrt_inspect(fn));
    TimerQueue& q = timers();
    const std::uint64_t id = q.nextId++;
    const long long delay = delayMs(ms);
    arm(id, fn, delay, repeat ? delay : 0);
    JsValue handle = jsrt_object();
    jsrt_set_host(handle, reinterpret_cast<void*>(static_cast<std::uintptr_t>(id)), nullptr);
    return handle;
}

// Runs the first timer if it is due; true when it ran one.
bool runDueTimer() {
    TimerQueue& q = timers();
    if (q.pending.empty()) return false;
    auto first = q.pending.begin();
    if (first->first.first > q.nowMs()) return false;
    const std::uint64_t id = first->first.second;
    Timer timer = std::move(first->second);
    q.pending.erase(first);
    q.dueById.erase(id);
    // An interval is re-armed before its callback runs so the callback can clear it.
    if (timer.interval > 0) arm(id, timer.fn, timer.interval, timer.interval);
    jsrt_call(timer.fn, JS_UNDEFINED(), 0, nullptr);
    jsrt_loop_after_callback();
    return true;
}

// Runs timers until none is pending.
void drain() {
    TimerQueue& q = timers();
    jsrt_loop_after_callback();
    while (!q.pending.empty()) {
        q.updateNow();
        const long long wait = q.pending.begin()->first.first - q.nowMs();
        if (wait > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
            q.updateNow();
        }
        runDueTimer();
    }
}

}  // namespace

JsValue jsc_uv_set_timeout_ms(const JsValue& fn, const JsValue& ms) { return schedule(fn, ms, false); }

JsValue jsc_uv_set_interval_ms(const JsValue& fn, const JsValue& ms) { return schedule(fn, ms, true); }

JsValue jsc_uv_clear_timer(const JsValue& timer) {
    if (!jsrt_is_object(timer)) return JS_UNDEFINED();
    const auto id = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(jsrt_get_host(timer)));
    TimerQueue& q = timers();
    auto it = q.dueById.find(id);
    if (it != q.dueById.end()) {
        q.pending.erase(it->second);
        q.dueById.erase(it);
    }
    return JS_UNDEFINED();
}

void jsc_uv_run_loop_forever() { drain(); }

void jsc_uv_run_loop_until_idle() { drain(); }

double jsrt_loop_now_ms() { return static_cast<double>(timers().nowMs()); }

void jsrt_loop_update_now() { timers().updateNow(); }

void jsrt_loop_add_job_drain(JsrtJobDrain fn) { timers().drains.push_back(fn); }

void jsrt_loop_after_callback() {
    bool ran = true;
    while (ran) {
        ran = false;
        for (JsrtJobDrain fn : timers().drains) ran = fn() || ran;
    }
}

void jsrt_loop_hold() { ++timers().holds; }

void jsrt_loop_release() {
    if (timers().holds > 0) --timers().holds;
}

bool jsrt_loop_alive() { return timers().holds > 0 || !timers().pending.empty(); }

// Without libuv there is no descriptor to watch: the driving loop wakes by timeout.
int jsrt_loop_backend_fd() { return -1; }

int jsrt_loop_backend_timeout_ms() {
    TimerQueue& q = timers();
    if (q.pending.empty()) return -1;
    q.updateNow();
    const long long wait = q.pending.begin()->first.first - q.nowMs();
    return wait > 0 ? static_cast<int>(wait) : 0;
}

void jsrt_loop_run_nowait() {
    timers().updateNow();
    while (runDueTimer()) {
    }
}

JsrtFdWatch* jsrt_loop_watch_fd(int fd, int events, void (*cb)(void* data, int ready), void* data) {
    (void)fd;
    (void)events;
    (void)cb;
    (void)data;
    return nullptr;
}

void jsrt_loop_unwatch_fd(JsrtFdWatch* watch) { (void)watch; }
