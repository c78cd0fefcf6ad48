#include "codegen/cemitter.h"
#include "codegen/runtime_globals.h"

std::string CEmitter::resolve(const std::string& name) const {
    auto it = scope.find(name);
    if (it != scope.end()) return it->second;
    const RuntimeGlobal* g = findRuntimeGlobal(name);
    if (g && g->staticName) return g->staticName;
    return unboundNameText(name);
}

std::string CEmitter::escapeString(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out;
}

std::string CEmitter::identName(const ASTNode& node) {
    auto it = node.json.find("name");
    if (it != node.json.end() && it->is_string()) return it->get<std::string>();
    return "<anon>";
}
