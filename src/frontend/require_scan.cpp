#include <cstring>

#include "frontend/module_resolver.h"
#include "frontend/syntax_node_names.h"

void ModuleResolver::scanRequires(const ASTNode& node, std::vector<std::string>& out) {
    if (node.type == "CallExpression" && node.children.size() >= 2 &&
        isIdentifierNamed(node.children[0], "require") && isStringLiteral(node.children[1]))
        out.push_back(node.children[1].json.at("value").get<std::string>());
    for (const ASTNode& child : node.children) scanRequires(child, out);
}
