#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "frontend/engine_api.h"

class EngineHeap;

// Owns the embedded engine (runtime and context) for one flow of the driver.
// rt and ctx are null when the engine could not be created; the driver checks both.
class QjsGuard {
    std::unique_ptr<EngineHeap> heap_;  // outlives the runtime that allocates from it

public:
    QjsGuard();
    ~QjsGuard();
    QjsGuard(const QjsGuard&) = delete;
    QjsGuard& operator=(const QjsGuard&) = delete;

    JSRuntime* rt;
    JSContext* ctx;
};

// Frees the engine's cyclic garbage (Babel's paths and scopes point at each
// other and at the tree) once the sources handled since the last collection
// reach a threshold; called after each per-file evaluation with its source size.
void collectEngineGarbage(JSContext* ctx, std::size_t sourceBytes);

// Evaluates global code; a thrown exception becomes "orvan: <name>: <exception text>".
void qjsEvalScript(JSContext* ctx, const std::string& code, const char* name);

// Loads esprima.js, the globals shim and babel.min.js into ctx, once per flow.
// Each library is read from the current folder first, then from the installation folder.
void bootstrapQjs(JSContext* ctx, const std::string& root);

// True when JSC_NO_BABEL is set, not empty and not "0": sources then skip the Babel step.
bool noBabel();

// Lowers modern syntax with Babel (or returns the source unchanged when Babel is off or absent).
// path is used only in messages.
std::string babelTransformSource(JSContext* ctx, const std::string& source, const std::string& path);
