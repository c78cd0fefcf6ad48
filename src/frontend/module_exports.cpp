#include "frontend/module_resolver.h"
#include "frontend/syntax_node_names.h"

namespace {

std::string sym(const Module& m, const std::string& local) { return m.id + "_" + local; }

bool isMemberWithTwoChildren(const ASTNode& node) {
    return node.type == "MemberExpression" && node.children.size() >= 2;
}

// The name of an Identifier with a non-empty name, else the fallback.
std::string localNameOr(const ASTNode& node, const std::string& fallback) {
    if (node.type == "Identifier") {
        std::string name = nodeName(node);
        if (!name.empty()) return name;
    }
    return fallback;
}

}  // namespace

void ModuleResolver::extractExports(const ASTNode& program, Module& m) {
    for (const ASTNode& stmt : program.children) {
        if (stmt.type != "FunctionDeclaration" || stmt.children.empty()) continue;
        std::string name = nodeName(stmt.children[0]);
        if (name.empty()) continue;
        m.exports[name] = sym(m, name);
        m.nativeFunctions.insert(sym(m, name));
    }
    for (const ASTNode& stmt : program.children) {
        if (stmt.type != "ExpressionStatement" || stmt.children.empty()) continue;
        const ASTNode& assign = stmt.children[0];
        if (assign.type != "AssignmentExpression" || assign.children.size() < 2) continue;
        const ASTNode& lhs = assign.children[0];
        const ASTNode& rhs = assign.children[1];
        if (isModuleExports(lhs)) {
            m.exports.clear();
            applyRhsExports(rhs, m);
        } else if (isMemberWithTwoChildren(lhs) && isModuleExports(lhs.children[0])) {
            std::string key = propKey(lhs.children[1]);
            if (!key.empty()) m.exports[key] = sym(m, localNameOr(rhs, key));
        }
    }
}

void ModuleResolver::applyRhsExports(const ASTNode& rhs, Module& m) {
    if (rhs.type == "ObjectExpression") {
        for (const ASTNode& prop : rhs.children) {
            if (prop.type != "Property" || prop.children.empty()) continue;
            const ASTNode& keyNode = prop.children[0];
            std::string key;
            if (keyNode.type == "Identifier")
                key = nodeName(keyNode);
            else if (isStringLiteral(keyNode))
                key = keyNode.json.at("value").get<std::string>();
            else
                continue;
            std::string local = prop.children.size() >= 2 ? localNameOr(prop.children[1], key) : key;
            m.exports[key] = sym(m, local);
        }
        return;
    }
    std::string name = localNameOr(rhs, "");
    if (!name.empty()) {
        m.exports["default"] = sym(m, name);
        m.exports[name] = sym(m, name);
    }
}

bool ModuleResolver::isModuleExports(const ASTNode& node) {
    return isMemberWithTwoChildren(node) && nodeName(node.children[0]) == "module" &&
           nodeName(node.children[1]) == "exports";
}

std::string ModuleResolver::propKey(const ASTNode& node) {
    if (node.type == "Identifier") return nodeName(node);
    if (isStringLiteral(node)) return node.json.at("value").get<std::string>();
    return "";
}
