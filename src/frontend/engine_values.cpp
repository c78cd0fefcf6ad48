#include "frontend/engine_values.h"

#include <nlohmann/json.hpp>

std::string takeExceptionText(JSContext* ctx) {
    JSValue exc = JS_GetException(ctx);
    const char* text = JS_ToCString(ctx, exc);
    std::string result = text ? text : "exception";
    if (text) JS_FreeCString(ctx, text);
    JS_FreeValue(ctx, exc);
    return result;
}

std::string takeStringValue(JSContext* ctx, JSValue value) {
    const char* text = JS_ToCString(ctx, value);
    std::string result = text ? text : "";
    if (text) JS_FreeCString(ctx, text);
    JS_FreeValue(ctx, value);
    return result;
}

std::string quoteSource(const std::string& source) {
    return nlohmann::json(source).dump();
}
