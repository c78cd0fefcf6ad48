// The Node environment inside the engine (jsc_qjs_node_bridge.cpp).
#pragma once

#include <string>

#include "runtime/engine/engine.h"

// One embedded module: its name and its engine bytecode.
struct JscEngineModule {
    const char* name;
    const unsigned char* bytecode;
    std::size_t size;
};

// Sets the environment up (once) and gives the function that runs a main
// module's source: runMain(source). `main_filename` is the main module's
// __filename. JS_EXCEPTION when the environment could not start.
JSValue jsc_node_environment_main(JSContext* ctx, const std::string& main_filename);

// Runs a bundle as the main module of a program that lives in the engine
// (jsc_orvan_qjs.cpp): uncaught exceptions end the process as Node ends it,
// and the process's exit runs the 'exit' event and frees the engine.
void jsc_engine_run_program(const unsigned char* bundle, size_t len, const std::string& filename);
