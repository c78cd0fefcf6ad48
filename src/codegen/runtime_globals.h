// The globals a translation unit can name without declaring them: the ones js_globals.h
// declares under their JavaScript names, and the ones the unit keeps in its own statics.
#pragma once
#include <string>
#include <vector>

struct RuntimeGlobal {
    const char* jsName;
    // The static the translation unit declares and fills at start-up ("jsc_g_..."); nullptr
    // when js_globals.h declares the JavaScript name itself.
    const char* staticName;
};

const std::vector<RuntimeGlobal>& runtimeGlobals();

// The entry for a JavaScript name; nullptr when the runtime declares no such global.
const RuntimeGlobal* findRuntimeGlobal(const std::string& jsName);
