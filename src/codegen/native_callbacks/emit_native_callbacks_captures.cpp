// Reports of enclosing locals that nested functions read (closures the generator cannot capture).
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"
#include "codegen/syntax_queries.h"

using namespace std::string_view_literals;

namespace {

// Variables a function body declares for itself (not those of functions nested in it).
void collectVarNames(const ASTNode& node, std::set<std::string>& out) {
    if (isFunctionNode(node)) return;
    if (node.type == "VariableDeclarator"sv && !node.children.empty()) {
        const ASTNode& id = node.children[0];
        if (id.type == "Identifier"sv) out.insert(jsonString(id, "name"));
        if (id.type == "ObjectPattern"sv)
            for (const ASTNode& prop : id.children)
                if (!prop.children.empty()) out.insert(jsonString(prop.children.back(), "name"));
    }
    if (node.type == "CatchClause"sv && !node.children.empty() && node.children[0].type == "Identifier"sv)
        out.insert(jsonString(node.children[0], "name"));
    for (const ASTNode& child : node.children) collectVarNames(child, out);
}

// Parameters, variables and catch parameters of a function: the names a nested function cannot see.
// Nested function declarations are left out, since they are hoisted to file scope.
std::set<std::string> functionLocals(const ASTNode& fn) {
    std::set<std::string> out;
    auto params = fn.json.find("params");
    if (params != fn.json.end() && params->is_array())
        for (const auto& p : *params)
            if (p.is_object() && p.value("type", "") == "Identifier") out.insert(p.value("name", ""));
    for (const ASTNode& child : fn.children)
        if (child.type == "BlockStatement"sv) collectVarNames(child, out);
    out.erase("");
    return out;
}

// The function's own name node, which is no read of a variable.
bool isFunctionId(const ASTNode& fn, const ASTNode& child) {
    auto id = fn.json.find("id");
    return &child == &fn.children.front() && id != fn.json.end() && id->is_object();
}

}  // namespace

// A read, inside a nested function, of a local of an enclosing function: the nested function is
// compiled on its own and cannot see it, so the user hears of it here rather than from the C++ compiler.
void CEmitter::reportClosureCaptures(const ASTNode& node, std::vector<std::set<std::string>>& enclosing) {
    if (isFunctionNode(node)) {
        enclosing.push_back(functionLocals(node));
        for (const ASTNode& child : node.children)
            if (!isFunctionId(node, child)) reportClosureCaptures(child, enclosing);
        enclosing.pop_back();
        return;
    }
    if (node.type == "Identifier"sv && enclosing.size() >= 2) {
        const std::string& name = jsonStringRef(node, "name");
        if (enclosing.back().count(name)) return;
        for (size_t i = 0; i + 1 < enclosing.size(); ++i) {
            if (!enclosing[i].count(name)) continue;
            closureCaptured.insert(name);
            diagUnsupported("closure over `" + name + "`",
                            "A nested function reads `" + name +
                                "`, a local of an enclosing function; closures are not compiled, so the nested "
                                "function cannot see it.");
            return;
        }
        return;
    }
    if (node.type == "BreakStatement"sv || node.type == "ContinueStatement"sv) return;
    const bool member = node.type == "MemberExpression"sv || node.type == "Property"sv;
    const bool computed = jsonTrue(node, "computed");
    for (size_t i = 0; i < node.children.size(); ++i) {
        // The name after a dot and a plain property key are no reads of variables.
        if (member && !computed && i == (node.type == "Property"sv ? 0u : 1u)) continue;
        reportClosureCaptures(node.children[i], enclosing);
    }
}
