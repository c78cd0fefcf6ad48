#include "frontend/syntax_node_names.h"

std::string nodeName(const ASTNode& node) {
    auto it = node.json.find("name");
    return (it != node.json.end() && it->is_string()) ? it->get<std::string>() : std::string();
}

bool isIdentifierNamed(const ASTNode& node, const char* name) {
    return node.type == "Identifier" && nodeName(node) == name;
}

bool isStringLiteral(const ASTNode& node) {
    if (node.type != "Literal") return false;
    auto it = node.json.find("value");
    return it != node.json.end() && it->is_string();
}
