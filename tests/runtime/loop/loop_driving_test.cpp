// The loop as others drive it: a GUI main loop polling its descriptor and
// running turns that do not block, the engine's job drain after the nextTick
// queue, holds, and descriptor watches.
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "js_globals.h"
#include "runtime/loop/loop.h"

namespace {

std::vector<std::string> events;
bool drainArmed = false;

JsValue record(const JsValue&, int argc, const JsValue* argv) {
    events.push_back(argc > 0 ? jsrt_to_string(argv[0]) : "called");
    return JsValue();
}

JsValue tickThenJob(const JsValue&, int, const JsValue*) {
    events.push_back("tick");
    drainArmed = true;
    return JsValue();
}

bool drain() {
    if (!drainArmed) return false;
    drainArmed = false;
    events.push_back("job");
    return true;
}

// Polls the loop's descriptor as a GUI main loop would, until `done` or too many turns.
template <class Done>
void driveUntil(Done done) {
    for (int turn = 0; turn < 200 && !done(); ++turn) {
        pollfd p{jsrt_loop_backend_fd(), POLLIN, 0};
        int timeout = jsrt_loop_backend_timeout_ms();
        poll(&p, 1, timeout < 0 || timeout > 50 ? 50 : timeout);
        jsrt_loop_run_nowait();
    }
}

TEST(Loop, DrivenFromAnotherMainLoop) {
    events.clear();
    EXPECT_GE(jsrt_loop_backend_fd(), 0);
    JsValue timer = jsc_uv_set_timeout_ms(jsrt_native("record", record), JS_NUM(20), JS_STR("timer"));
    EXPECT_TRUE(jsrt_loop_alive());
    const int timeout = jsrt_loop_backend_timeout_ms();
    EXPECT_GE(timeout, 0);
    EXPECT_LE(timeout, 20);
    jsc_uv_set_immediate(jsrt_native("record", record), JS_STR("immediate"));
    EXPECT_EQ(jsrt_loop_backend_timeout_ms(), 0);  // an immediate is waiting
    driveUntil([] { return events.size() >= 2; });
    EXPECT_EQ(events, (std::vector<std::string>{"immediate", "timer"}));
    EXPECT_FALSE(jsrt_loop_alive());
}

// A timer callback that takes a while, then sets a 0 ms timer and an immediate.
JsValue slowTimer(const JsValue&, int, const JsValue*) {
    events.push_back("slow timer");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    jsc_uv_set_timeout_ms(jsrt_native("record", record), JS_NUM(0), JS_STR("0 ms timer"));
    jsc_uv_set_immediate(jsrt_native("record", record), JS_STR("immediate"));
    return JsValue();
}

TEST(Loop, DrivenLoopRunsTimersSetInTheTimersPhaseOnALaterTurn) {
    events.clear();
    jsc_uv_set_timeout_ms(jsrt_native("slowTimer", slowTimer), JS_NUM(1));
    driveUntil([] { return events.size() >= 3; });
    EXPECT_EQ(events, (std::vector<std::string>{"slow timer", "immediate", "0 ms timer"}));
    EXPECT_FALSE(jsrt_loop_alive());
}

TEST(Loop, TicksThenJobDrainsAfterEachCallback) {
    static const bool added = (jsrt_loop_add_job_drain(drain), true);
    (void)added;
    events.clear();
    JsValue nextTick = jsrt_get(js_node_process(), "nextTick");
    JsValue fn = jsrt_native("tickThenJob", tickThenJob);
    jsrt_call(nextTick, JsValue(), 1, &fn);
    EXPECT_TRUE(jsrt_loop_alive());
    jsrt_loop_after_callback();
    EXPECT_EQ(events, (std::vector<std::string>{"tick", "job"}));
    EXPECT_FALSE(jsrt_loop_alive());
}

TEST(Loop, HoldsAndUnreferencedTimers) {
    EXPECT_FALSE(jsrt_loop_alive());
    jsrt_loop_hold();
    EXPECT_TRUE(jsrt_loop_alive());
    jsrt_loop_release();
    EXPECT_FALSE(jsrt_loop_alive());
    JsValue timer = jsc_uv_set_timeout_ms(jsrt_native("record", record), JS_NUM(100000));
    EXPECT_TRUE(jsrt_loop_alive());
    JsValue unref = jsrt_get(timer, "unref");
    jsrt_call(unref, timer, 0, nullptr);
    EXPECT_FALSE(jsrt_loop_alive());
    jsc_uv_clear_timer(timer);
}

TEST(Loop, WatchesADescriptor) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    static int ready = 0;
    ready = 0;
    JsrtFdWatch* w = jsrt_loop_watch_fd(fds[0], JSRT_READABLE, [](void*, int r) { ready = r; }, nullptr);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(write(fds[1], "x", 1), 1);
    driveUntil([] { return ready != 0; });
    EXPECT_EQ(ready, JSRT_READABLE);
    jsrt_loop_unwatch_fd(w);
    jsrt_loop_run_nowait();  // lets the watch close
    close(fds[0]);
    close(fds[1]);
}

}  // namespace
