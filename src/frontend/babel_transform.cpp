#include <stdexcept>

#include "frontend/engine_host.h"
#include "frontend/engine_values.h"
#include "support/switches.h"

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
    // Babel's tree for this file is garbage now; freeing it here keeps it out of
    // the parser's and the generator's peak.
    collectEngineGarbage(ctx, source.size());
    if (!JS_IsString(result)) {
        JS_FreeValue(ctx, result);
        throw std::runtime_error("orvan: internal error: Babel.transform did not return a string for " + path);
    }
    return takeStringValue(ctx, result);
}
