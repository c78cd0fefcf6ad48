#include "frontend/engine_host.h"

#include <pthread.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>

#include "support/file_readers.h"
#include "frontend/engine_heap.h"
#include "frontend/engine_values.h"
#include "frontend/script_bytecode.h"

namespace {

// Older libraries expect globalThis and a console; neither prints anything.
const char* const kGlobalsShim =
    "if (typeof globalThis==='undefined'){var globalThis=this;}"
    "if(typeof console==='undefined'){var console={log:function(){},error:function(){},"
    "warn:function(){},info:function(){},debug:function(){}};} ";

// The engine's own default stack allowance (256 KiB) is too small for the parser scripts: twenty
// nested array literals already exhaust it. Allow most of the calling thread's stack instead,
// keeping a reserve for the compiler's own frames, so deep input still ends in the engine's
// "stack overflow" error rather than a crash.
std::size_t engineStackAllowance() {
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) != 0) return JS_DEFAULT_STACK_SIZE;
    void* lowest = nullptr;
    std::size_t size = 0;
    int rc = pthread_attr_getstack(&attr, &lowest, &size);
    pthread_attr_destroy(&attr);
    char here;
    auto top = reinterpret_cast<std::uintptr_t>(&here);
    auto bottom = reinterpret_cast<std::uintptr_t>(lowest);
    if (rc != 0 || top <= bottom) return JS_DEFAULT_STACK_SIZE;
    std::size_t available = top - bottom;
    std::size_t reserve = std::max<std::size_t>(available / 8, 1 << 20);
    return available > 2 * reserve ? available - reserve : available / 2;
}

// Sources from this size on (one file or several in a row) leave enough garbage
// behind in the engine to be worth a collection.
constexpr std::size_t kCollectAfterSourceBytes = 64 * 1024;

// Bytes of source handled since the last collection; one engine per flow.
std::size_t uncollectedSourceBytes = 0;

}  // namespace

QjsGuard::QjsGuard()
    : heap_(std::make_unique<EngineHeap>()),
      rt(JS_NewRuntime2(&EngineHeap::functions, heap_.get())),
      ctx(rt ? JS_NewContext(rt) : nullptr) {
    if (!rt) return;
    JS_SetRuntimeOpaque(rt, heap_.get());
    JS_SetMaxStackSize(rt, engineStackAllowance());
    // The engine's own collections run each time its heap grows by half; during
    // a transform almost all of Babel's heap is live, so each one walks it all
    // and frees next to nothing. Collections run at file boundaries instead.
    JS_SetGCThreshold(rt, SIZE_MAX);
    uncollectedSourceBytes = 0;
}

void collectEngineGarbage(JSContext* ctx, std::size_t sourceBytes) {
    uncollectedSourceBytes += sourceBytes;
    if (uncollectedSourceBytes < kCollectAfterSourceBytes) return;
    uncollectedSourceBytes = 0;
    JSRuntime* rt = JS_GetRuntime(ctx);
    JS_RunGC(rt);
    static_cast<EngineHeap*>(JS_GetRuntimeOpaque(rt))->returnEmptyPages();
}

QjsGuard::~QjsGuard() {
    if (ctx) JS_FreeContext(ctx);
    if (rt) JS_FreeRuntime(rt);
}

void qjsEvalScript(JSContext* ctx, const std::string& code, const char* name) {
    JSValue result = JS_Eval(ctx, code.c_str(), code.size(), name, 0);
    bool failed = JS_IsException(result);
    JS_FreeValue(ctx, result);
    if (failed) throw std::runtime_error(std::string("orvan: ") + name + ": " + takeExceptionText(ctx));
}

void bootstrapQjs(JSContext* ctx, const std::string& root) {
    std::string foundAt;
    auto loadScript = [&root, &foundAt](const std::string& name) -> std::string {
        try {
            std::string text = readFileToString(name);
            foundAt = name;
            return text;
        } catch (...) {
        }
        const std::string inRoot = (std::filesystem::path(root) / name).generic_string();
        try {
            std::string text = readFileToString(inRoot);
            foundAt = inRoot;
            return text;
        } catch (...) {
            throw std::runtime_error(name + " not found in CWD or " + root + " \u2014 run make deps.");
        }
    };
    // The build leaves each script's bytecode beside it; the text is the fallback.
    auto evalLibrary = [&](const char* name) {
        const std::string text = loadScript(name);
        if (!evalScriptBytecode(ctx, text, foundAt + ".bytecode", name)) qjsEvalScript(ctx, text, name);
    };
    evalLibrary("esprima.js");
    qjsEvalScript(ctx, kGlobalsShim, "<shim>");
    evalLibrary("babel.min.js");
}
