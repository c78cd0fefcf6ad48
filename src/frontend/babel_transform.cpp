#include <cstddef>
#include <stdexcept>
#include <string>

#include "frontend/engine_host.h"
#include "frontend/engine_values.h"
#include "frontend/function_length.h"
#include "support/switches.h"

namespace {

// Sources from this size on leave enough behind in the engine to be worth a collection.
constexpr std::size_t kCollectAfterSourceBytes = 64 * 1024;

// A plugin that runs ahead of the preset: on a function with a default parameter it writes the
// length directive (frontend/function_length.h) while the parameter list is still the user's.
// Made once per engine, so Babel sees the same plugin for every file.
std::string lengthDirectivePlugin() {
    return std::string("(globalThis.__jsc_length_plugin||(globalThis.__jsc_length_plugin="
                       "function(b){var t=b.types;return{visitor:{Function:function(p){var ps=p.node.params;"
                       "for(var i=0;i<ps.length&&ps[i].type!=='RestElement';i++){"
                       "if(ps[i].type!=='AssignmentPattern')continue;"
                       "if(p.isArrowFunctionExpression())p.ensureBlock();"
                       "p.node.body.directives.unshift(t.directive(t.directiveLiteral('") +
           kFunctionLengthDirective + "'+i)));return;}}}};}))";
}

}  // namespace

bool noBabel() { return switchIsOn("JSC_NO_BABEL"); }

std::string babelTransformSource(JSContext* ctx, const std::string& source, const std::string& path) {
    if (noBabel()) return source;
    const std::string code =
        "(function(){var s=" + quoteSource(source) +
        "; if (typeof Babel==='undefined') return s; try { return Babel.transform(s,{ plugins:[" +
        lengthDirectivePlugin() +
        "], presets:[['env',{targets:{ie:'11'},loose:true}]], compact:false }).code; } catch(e){ throw e; }})()";
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
