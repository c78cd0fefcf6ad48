#include "codegen/runtime_globals.h"

const std::vector<RuntimeGlobal>& runtimeGlobals() {
    static const std::vector<RuntimeGlobal> globals = {
        {"Object", nullptr},
        {"Array", nullptr},
        {"String", nullptr},
        {"Number", nullptr},
        {"Boolean", nullptr},
        {"Date", nullptr},
        {"Error", nullptr},
        {"TypeError", nullptr},
        {"RangeError", nullptr},
        {"SyntaxError", nullptr},
        {"parseInt", nullptr},
        {"parseFloat", nullptr},
        {"isNaN", nullptr},
        {"isFinite", nullptr},
        {"encodeURIComponent", nullptr},
        {"decodeURIComponent", nullptr},
        {"undefined", nullptr},
        {"NaN", nullptr},
        {"Infinity", nullptr},
        {"console", "jsc_g_console"},
        {"process", "jsc_g_process"},
        {"Buffer", "jsc_g_Buffer"},
        {"globalThis", "jsc_g_globalThis"},
        {"global", "jsc_g_globalThis"},
        {"Orvan", "jsc_g_Orvan"},
        {"Math", "jsc_g_Math"},
        {"JSON", "jsc_g_JSON"},
    };
    return globals;
}

const RuntimeGlobal* findRuntimeGlobal(const std::string& jsName) {
    for (const RuntimeGlobal& g : runtimeGlobals())
        if (jsName == g.jsName) return &g;
    return nullptr;
}
