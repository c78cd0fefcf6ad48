// Starts the runtime as a compiled program's main does, then runs the tests.
#include "js_globals.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    js_process_init(argc, argv);
    return RUN_ALL_TESTS();
}
