// Starts the runtime the way a compiled program's main does (without
// globalThis, which refers to itself and would keep everything alive for the
// leak checker), then runs the tests.
#include "js_globals.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    js_process_init(argc, argv);
    JsValue console = js_builtin_console();
    JsValue process = js_node_process();
    JsValue buffer = js_builtin_buffer_namespace();
    return RUN_ALL_TESTS();
}
