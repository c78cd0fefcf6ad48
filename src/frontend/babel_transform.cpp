#include <cstddef>
#include <stdexcept>

#include "frontend/engine_host.h"
#include "frontend/engine_values.h"
#include "support/switches.h"

namespace {

// Sources from this size on leave enough behind in the engine to be worth a collection.
constexpr std::size_t kCollectAfterSourceBytes = 64 * 1024;

}  // namespace

bool noBabel() { return switchIsOn("JSC_NO_BABEL"); }

std::string babelTransformSource(JSContext* ctx, const std::string& source, const std::string& path) {
    if (noBabel()) return source;
    const std::string code =
        "(function(){var s=" + quoteSource(source) +
        "; if (typeof Babel==='undefined') return s; try { return Babel.transform(s,{ "
        "presets:[['env',{targets:{ie:'11'},loose:true}]], compact:false }).code; } catch(e){ throw e; }})()";
    JSValue result = JS_Eval(ctx, code.c_str(), code.size(), "<babel>", 0);
    if (JS_IsException(result))
        throw std::runtime_error("orvan: Babel transform failed for " + path + ": " + takeExceptionText(ctx));
    if (!JS_IsString(result)) {
        JS_FreeValue(ctx, result);
        throw std::runtime_error("orvan: internal error: Babel.transform did not return a string for " + path);
    }
    std::string transformed = takeStringValue(ctx, result);
    // Babel's tree for this file is garbage now, but it holds cycles (paths and
    // scopes point at each other) that only a collection frees. For a large file
    // freeing it here keeps it out of the parser's and the generator's peak; for
    // a small one the engine's own collections suffice, and a collection per
    // file (a walk over all of Babel) would cost more than it frees.
    if (source.size() >= kCollectAfterSourceBytes) JS_RunGC(JS_GetRuntime(ctx));
    return transformed;
}
