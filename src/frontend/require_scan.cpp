#include <cstring>

#include "frontend/module_resolver.h"
#include "frontend/syntax_node_names.h"

const char* const ModuleResolver::builtins[] = {
    "fs",     "path",   "os",           "process", "buffer", "electron", "events", "util", "assert",
    "url",    "child_process", "stream", "crypto", "http",   "https",    "net",    "tls",  nullptr};

bool ModuleResolver::isBuiltin(const std::string& name) {
    for (const char* const* b = builtins; *b; ++b)
        if (name == *b) return true;
    return false;
}

void ModuleResolver::scanRequires(const ASTNode& node, std::vector<std::string>& out) {
    if (node.type == "CallExpression" && node.children.size() >= 2 &&
        isIdentifierNamed(node.children[0], "require") && isStringLiteral(node.children[1]))
        out.push_back(node.children[1].json.at("value").get<std::string>());
    for (const ASTNode& child : node.children) scanRequires(child, out);
}
