// Hoisting var declarations of nested blocks to the top of their function.
#include <algorithm>
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"
#include "codegen/syntax_queries.h"

using namespace std::string_view_literals;

namespace {

bool isVarDeclaration(const ASTNode& node) {
    return node.type == "VariableDeclaration"sv && jsonString(node, "kind") == "var";
}

void declaredNames(const ASTNode& declaration, std::vector<std::string>& out) {
    for (const ASTNode& decl : declaration.children) {
        if (decl.children.empty()) continue;
        const ASTNode& binding = decl.children[0];
        if (binding.type == "Identifier"sv) out.push_back(CEmitter::identName(binding));
        if (binding.type != "ObjectPattern"sv) continue;
        for (const ASTNode& prop : binding.children)
            if (!prop.children.empty())
                out.push_back(CEmitter::identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]));
    }
}

// `var` names declared below `node` (not in nested functions).
void nestedVarNames(const ASTNode& node, std::vector<std::string>& out) {
    if (isFunctionNode(node)) return;
    if (isVarDeclaration(node)) declaredNames(node, out);
    for (const ASTNode& child : node.children) nestedVarNames(child, out);
}

// True when `container` itself (not a nested block) declares `name` with var: its own statements, or the
// head of a for statement.
bool declaresDirectly(const ASTNode& container, const std::string& name) {
    std::vector<std::string> names;
    for (const ASTNode& child : container.children)
        if (isVarDeclaration(child)) declaredNames(child, names);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// True when `name` is read or written somewhere below `node` outside every block that declares it.
bool referencedOutside(const ASTNode& node, const std::string& name) {
    if (isFunctionNode(node)) return false;
    if (node.type == "Identifier"sv) return CEmitter::identName(node) == name;
    const bool scopeOfItsOwn = node.type == "BlockStatement"sv || node.type == "SwitchCase"sv ||
                               node.type == "ForStatement"sv;
    if (scopeOfItsOwn && declaresDirectly(node, name)) return false;
    for (const ASTNode& child : node.children)
        if (referencedOutside(child, name)) return true;
    return false;
}

}  // namespace

// `var` is function-scoped while the generated C++ variable lives in its block: a name declared in a nested
// block and used outside it is declared once at the top of the body instead.
void CEmitter::hoistBlockVars(const std::vector<const ASTNode*>& stmts, std::ostringstream& os, int level) {
    std::vector<std::string> topLevel, nested;
    for (const ASTNode* stmt : stmts) {
        if (isVarDeclaration(*stmt))
            declaredNames(*stmt, topLevel);
        else
            nestedVarNames(*stmt, nested);
    }
    for (const std::string& name : nested) {
        if (ownedLocals.count(name) || std::find(topLevel.begin(), topLevel.end(), name) != topLevel.end()) continue;
        bool used = false;
        for (const ASTNode* stmt : stmts) used = used || referencedOutside(*stmt, name);
        if (!used) continue;
        os << indentOf(level) << "JsOwned " << name << ";\n";
        ownedLocals.insert(name);
    }
}

// `var` names a program declares inside its top-level blocks and loop heads (`if (x) { var cfg = ... }`,
// `for (var i = 0; ...)`): they belong to the module's scope, where its functions read them.
std::vector<std::string> CEmitter::nestedModuleVars(const ASTNode& program) {
    std::vector<std::string> names;
    for (const ASTNode& stmt : program.children)
        if (!isVarDeclaration(stmt)) nestedVarNames(stmt, names);
    return names;
}
