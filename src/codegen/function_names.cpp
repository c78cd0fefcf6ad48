#include <cstdlib>
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/cxx_names.h"
#include "codegen/syntax_queries.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

// The names function values carry, as Node prints them ([Function: name]) and gives them as fn.name: a
// function expression's own name, else the one JavaScript infers from the variable, property or name it is
// assigned to; a compiled function's JavaScript name. A function expression's value also carries its
// length, which its native's fixed signature does not show.

namespace {

const ASTNode* functionValue(const ASTNode& node) {
    return node.type == "FunctionExpression"sv ? &node : nullptr;
}

std::string keyName(const ASTNode& key) {
    if (key.type == "Identifier"sv) return CEmitter::identName(key);
    auto v = key.json.find("value");
    if (key.type == "Literal"sv && v != key.json.end() && v->is_string()) return v->get<std::string>();
    return std::string();
}

// The count is written only when it is not 0, so the common callback text stays as it was.
std::string lengthArgument(const ASTNode& fn) {
    const int length = CEmitter::functionLength(fn);
    return length ? ", " + std::to_string(length) : std::string();
}

}  // namespace

// fn.length: the parameters before the first one with a default or a rest parameter. Babel takes a
// rest parameter out of the list but keeps the ones with defaults, so for those the front end's
// directive gives the length; a tree Babel did not touch still has them as patterns.
int CEmitter::functionLength(const ASTNode& fn) {
    auto id = fn.json.find("id");
    const bool named = id != fn.json.end() && id->is_object();
    int length = 0;
    for (size_t i = named ? 1 : 0; i < fn.children.size(); ++i) {
        const ASTNode& child = fn.children[i];
        if (child.type == "BlockStatement"sv) {
            if (!child.children.empty() && isFunctionLengthDirective(child.children[0])) {
                const std::string& text = child.children[0].json["directive"].get_ref<const std::string&>();
                return std::atoi(text.c_str() + sizeof kFunctionLengthDirective - 1);
            }
            break;
        }
        if (child.type == "AssignmentPattern"sv || child.type == "RestElement"sv) break;
        ++length;
    }
    return length;
}

void CEmitter::nameFunctionExpressions(const ASTNode& node) {
    const ASTNode* fe = nullptr;
    std::string name;
    if (node.type == "Property"sv && node.children.size() >= 2 && !jsonTrue(node, "computed")) {
        fe = functionValue(node.children[1]);
        name = keyName(node.children[0]);
    } else if (node.type == "VariableDeclarator"sv && node.children.size() >= 2 &&
               node.children[0].type == "Identifier"sv) {
        fe = functionValue(node.children[1]);
        name = identName(node.children[0]);
    } else if (node.type == "AssignmentExpression"sv && node.children.size() >= 2 &&
               node.children[0].type == "Identifier"sv) {
        fe = functionValue(node.children[1]);
        name = identName(node.children[0]);
    }
    if (fe && !name.empty()) inferredFunctionNames[fe] = jsNameOf(name);
    if (node.type == "FunctionExpression"sv) {
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
    if (name == inferredFunctionNames.end() || name->second.empty()) return unnamedFunctionValue(native, node);
    return "js_native_fn_named(" + native + ", \"" + escapeString(name->second) + "\"" + lengthArgument(node) + ")";
}

// A function expression's native as a value without a name (callbacks handed straight to the runtime).
std::string CEmitter::unnamedFunctionValue(const std::string& native, const ASTNode& fn) {
    return "js_native_fn(" + native + lengthArgument(fn) + ")";
}

// In main, before any code runs: the JavaScript name of every compiled function, and the length of
// those whose parameter count does not give it.
void CEmitter::emitCompiledFunctionNames(std::ostringstream& os) const {
    for (const auto& entry : compiledJsNames)
        if (entry.second != entry.first)
            os << "    js_name_compiled_fn(reinterpret_cast<void (*)()>(" << entry.first << "), \""
               << escapeString(entry.second) << "\");\n";
    for (const auto& entry : compiledLengths)
        os << "    js_length_compiled_fn(reinterpret_cast<void (*)()>(" << entry.first << "), " << entry.second
           << ");\n";
}
