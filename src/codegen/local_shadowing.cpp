#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/syntax_queries.h"

using namespace std::string_view_literals;

// A parameter or local of a function hides a module name, a built-in module's alias or a global of the same
// name (`function ext(path) { return path.split('.') }`): inside the function the name is the local value.

namespace {

void declaredLocals(const ASTNode& node, std::set<std::string>& out) {
    if (isFunctionNode(node)) return;
    if (node.type == "VariableDeclarator"sv && !node.children.empty()) {
        const ASTNode& binding = node.children[0];
        if (binding.type == "Identifier"sv) out.insert(CEmitter::identName(binding));
        if (binding.type == "ObjectPattern"sv)
            for (const ASTNode& prop : binding.children)
                if (!prop.children.empty())
                    out.insert(CEmitter::identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]));
    }
    if (node.type == "CatchClause"sv && !node.children.empty() && node.children[0].type == "Identifier"sv)
        out.insert(CEmitter::identName(node.children[0]));
    for (const ASTNode& child : node.children) declaredLocals(child, out);
}

}  // namespace

LocalShadow CEmitter::enterFunctionLocals(const std::vector<std::string>& params, const ASTNode* body) {
    LocalShadow saved{bareRequireAliases, bareRequireDestructured, shadowedGlobals, builtinMemberNames};
    std::set<std::string> names(params.begin(), params.end());
    if (body) declaredLocals(*body, names);
    for (const std::string& name : names) {
        bareRequireAliases.erase(name);
        bareRequireDestructured.erase(name);
        builtinMemberNames.erase(name);
        shadowedGlobals.insert(name);
    }
    return saved;
}

void CEmitter::leaveFunctionLocals(const LocalShadow& saved) {
    bareRequireAliases = saved.aliases;
    bareRequireDestructured = saved.destructured;
    shadowedGlobals = saved.shadowed;
    builtinMemberNames = saved.builtinMembers;
}

bool CEmitter::isGlobalName(const std::string& name, const char* global) const {
    return name == global && !shadowedGlobals.count(name);
}
