// Recognising require calls, their specifiers and module.exports / exports forms in syntax trees.
#include <cmath>
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

bool CEmitter::isRequireCall(const ASTNode& node) {
    return node.type == "CallExpression"sv && !node.children.empty() && node.children[0].type == "Identifier"sv &&
           jsonString(node.children[0], "name") == "require";
}

std::string CEmitter::requireArg(const ASTNode& call) {
    if (call.children.size() < 2 || call.children[1].type != "Literal"sv) return std::string();
    auto it = call.children[1].json.find("value");
    if (it == call.children[1].json.end()) return std::string();
    const nlohmann::json& v = *it;
    if (v.is_string()) return v.get<std::string>();
    if (v.is_boolean()) return v.get<bool>() ? "true" : "false";
    if (v.is_number()) {
        double d = v.get<double>();
        if (d >= 0 && d < 1e15 && std::floor(d) == d) return std::to_string(static_cast<long long>(d));
        return v.dump();
    }
    return std::string();
}

bool CEmitter::isRelativeRequire(const std::string& specifier) {
    return (specifier.size() >= 2 && specifier.compare(0, 2, "./") == 0) || specifier.compare(0, 3, "../") == 0;
}

bool CEmitter::isModuleExprProp(const ASTNode& node, const std::string& objName, const std::string& propName) {
    return node.type == "MemberExpression"sv && node.children.size() >= 2 &&
           jsonString(node.children[0], "name") == objName && jsonString(node.children[1], "name") == propName;
}

bool CEmitter::isModuleExportsDotProp(const ASTNode& node) {
    return node.type == "MemberExpression"sv && node.children.size() >= 2 &&
           isModuleExprProp(node.children[0], "module", "exports");
}
