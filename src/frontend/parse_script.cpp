#include <stdexcept>

#include "frontend/engine_host.h"
#include "frontend/engine_values.h"
#include "frontend/module_resolver.h"

std::string ModuleResolver::parseScriptToAstJson(JSContext* ctx, const std::string& source,
                                                 const std::string& path) {
    const std::string code = "JSON.stringify(esprima.parseScript(" + quoteSource(source) + "))";
    JSValue result = JS_Eval(ctx, code.c_str(), code.size(), "<parse>", 0);
    if (JS_IsException(result))
        throw std::runtime_error("orvan: parse error in " + path + ": " + takeExceptionText(ctx));
    collectEngineGarbage(ctx, source.size());
    if (!JS_IsString(result)) {
        JS_FreeValue(ctx, result);
        throw std::runtime_error("orvan: internal error: JSON.stringify did not return a string");
    }
    return takeStringValue(ctx, result);
}
