#include <algorithm>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

void CEmitter::emitMemberCall(const ASTNode& callee, const std::vector<const ASTNode*>& args,
                              std::ostringstream& os) {
    const ASTNode& object = callee.children[0];
    const ASTNode& property = callee.children[1];
    // o[k](...) calls the property named by the key's value, never one named after the key's variable.
    if (jsonTrue(callee, "computed")) {
        emitComputedMemberCall(object, property, args, os);
        return;
    }
    const std::string obj = identName(object);
    const std::string method = identName(property);
    if (obj == "console" && (method == "log" || method == "error")) {
        os << (method == "log" ? "js_console_log(" : "js_console_error(");
        emitCountedValues(args, os);
        os << ")";
        return;
    }
    if ((obj == "window" || obj == "globalThis" || obj == "global") && method == "open") {
        os << "js_window_open(";
        emitValuePlaces(args, 4, os);
        os << ")";
        return;
    }
    std::string module;
    auto alias = bareRequireAliases.find(obj);
    if (alias != bareRequireAliases.end())
        module = alias->second;
    else if (obj == "process")
        module = "process";
    if (!module.empty())
        emitBuiltinMethodCall(module, method, args, os);
    else
        emitJscMemberCall(object, method, args, os);
}

void CEmitter::emitJscMemberCall(const ASTNode& object, const std::string& method,
                                 const std::vector<const ASTNode*>& args, std::ostringstream& os) {
    emitMethodCallWithKey(object, "JS_STR(\"" + escapeString(method) + "\")", args, os);
}

void CEmitter::emitComputedMemberCall(const ASTNode& object, const ASTNode& key,
                                      const std::vector<const ASTNode*>& args, std::ostringstream& os) {
    std::ostringstream keyText;
    emitArgValue(key, keyText);
    emitMethodCallWithKey(object, keyText.str(), args, os);
}

// "js_jsc_cm" + n: at most eight arguments are written and evaluated.
void CEmitter::emitMethodCallWithKey(const ASTNode& object, const std::string& keyText,
                                     const std::vector<const ASTNode*>& args, std::ostringstream& os) {
    const size_t n = std::min<size_t>(args.size(), 8);
    os << "js_jsc_cm" << n << "(";
    emitArgValue(object, os);
    os << ", " << keyText;
    for (size_t i = 0; i < n; ++i) {
        os << ", ";
        emitArgValue(*args[i], os);
    }
    os << ")";
}
