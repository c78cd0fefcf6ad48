#include "codegen/cemitter.h"
#include "codegen/cxx_names.h"
#include "codegen/text_helpers.h"

// The names function values carry, as Node prints them ([Function: name]) and gives them as fn.name: a
// function expression's own name, else the one JavaScript infers from the variable, property or name it is
// assigned to; a compiled function's JavaScript name.

namespace {

const ASTNode* functionValue(const ASTNode& node) {
    return node.type == "FunctionExpression" ? &node : nullptr;
}

std::string keyName(const ASTNode& key) {
    if (key.type == "Identifier") return CEmitter::identName(key);
    auto v = key.json.find("value");
    if (key.type == "Literal" && v != key.json.end() && v->is_string()) return v->get<std::string>();
    return std::string();
}

}  // namespace

void CEmitter::nameFunctionExpressions(const ASTNode& node) {
    const ASTNode* fe = nullptr;
    std::string name;
    if (node.type == "Property" && node.children.size() >= 2 && !jsonTrue(node, "computed")) {
        fe = functionValue(node.children[1]);
        name = keyName(node.children[0]);
    } else if (node.type == "VariableDeclarator" && node.children.size() >= 2 &&
               node.children[0].type == "Identifier") {
        fe = functionValue(node.children[1]);
        name = identName(node.children[0]);
    } else if (node.type == "AssignmentExpression" && node.children.size() >= 2 &&
               node.children[0].type == "Identifier") {
        fe = functionValue(node.children[1]);
        name = identName(node.children[0]);
    }
    if (fe && !name.empty()) inferredFunctionNames[fe] = jsNameOf(name);
    if (node.type == "FunctionExpression") {
        auto id = node.json.find("id");
        if (id != node.json.end() && id->is_object() && !node.children.empty())
            inferredFunctionNames[&node] = jsNameOf(identName(node.children[0]));
    }
    for (const ASTNode& child : node.children) nameFunctionExpressions(child);
}

// The value of a function expression: its native, with the name it carries.
std::string CEmitter::functionExpressionValue(const ASTNode& node) {
    const std::string native = queueFeNative(node);
    auto name = inferredFunctionNames.find(&node);
    if (name == inferredFunctionNames.end() || name->second.empty()) return "js_native_fn(" + native + ")";
    return "js_native_fn_named(" + native + ", \"" + escapeString(name->second) + "\")";
}

// In main, before any code runs: the JavaScript name of every compiled function.
void CEmitter::emitCompiledFunctionNames(std::ostringstream& os) const {
    for (const auto& entry : compiledJsNames)
        if (entry.second != entry.first)
            os << "    js_name_compiled_fn(reinterpret_cast<void (*)()>(" << entry.first << "), \""
               << escapeString(entry.second) << "\");\n";
}
