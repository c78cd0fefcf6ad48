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

#include "runtime/jsc_rt_internal.h"

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

    long long nowMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - origin).count();
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

// Runs timers until none is pending.
void drain() {
    TimerQueue& q = timers();
    while (!q.pending.empty()) {
        auto first = q.pending.begin();
        const long long wait = first->first.first - q.nowMs();
        if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        const std::uint64_t id = first->first.second;
        Timer timer = std::move(first->second);
        q.pending.erase(first);
        q.dueById.erase(id);
        // An interval is re-armed before its callback runs so the callback can clear it.
        if (timer.interval > 0) arm(id, timer.fn, timer.interval, timer.interval);
        jsrt_call(timer.fn, JS_UNDEFINED(), 0, nullptr);
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
