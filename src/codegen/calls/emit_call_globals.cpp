#include <algorithm>

#include "codegen/cemitter.h"

bool CEmitter::isGlobalFunctionName(const std::string& name) {
    static const std::set<std::string> names = {"String",      "Number",       "Boolean",
                                                 "eval",        "Function",     "setTimeout",
                                                 "setInterval", "clearTimeout", "clearInterval"};
    return names.count(name) > 0;
}

// The global conversion functions, dynamic code and timers; false when `name` is none of them.
bool CEmitter::emitGlobalFunctionCall(const std::string& name, const std::vector<const ASTNode*>& args,
                                      std::ostringstream& os) {
    if (!isGlobalFunctionName(name)) return false;
    if (name == "String") {
        os << "([&](){ char* __s = js_to_cstr(";
        emitValueOr(args, 0, "JS_UNDEFINED()", os);
        os << "); JsValue __sv = js_str(__s ? __s : \"\"); free(__s); return __sv; }())";
    } else if (name == "Number") {
        os << "JS_NUM(js_to_num(";
        emitValueOr(args, 0, "JS_UNDEFINED()", os);
        os << "))";
    } else if (name == "Boolean") {
        os << "JS_BOOL(js_truthy(";
        emitValueOr(args, 0, "JS_UNDEFINED()", os);
        os << "))";
    } else if (name == "eval") {
        needQuickJs = true;
        os << "jsc_quickjs_eval_from_jsvalue(";
        emitValueOr(args, 0, "JS_UNDEFINED()", os);
        os << ", \"eval\")";
    } else if (name == "Function") {
        needQuickJs = true;
        const size_t n = std::min<size_t>(args.size(), 24);
        os << "jsc_quickjs_function_construct((int)" << n << ", (const JsValue[]){ ";
        for (size_t i = 0; i < n; ++i) {
            if (i) os << ", ";
            emitArgValue(*args[i], os);
        }
        os << " })";
    } else if (name == "setTimeout" || name == "setInterval") {
        needUv = true;
        os << (name == "setTimeout" ? "jsc_uv_set_timeout_ms(" : "jsc_uv_set_interval_ms(");
        emitValueOr(args, 0, "JS_UNDEFINED()", os);
        os << ", ";
        emitValueOr(args, 1, "JS_NUM(0)", os);
        os << ")";
    } else if (name == "clearTimeout" || name == "clearInterval") {
        needUv = true;
        os << "jsc_uv_clear_timer(";
        emitValueOr(args, 0, "JS_UNDEFINED()", os);
        os << ")";
    }
    return true;
}
