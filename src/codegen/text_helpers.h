// Small readers of syntax-tree nodes and indentation shared by the generator's files.
#pragma once
#include <string>
#include <vector>

#include "frontend/ast.h"

// Indentation of generated C++: four blanks per nesting level.
inline std::string indentOf(int level) { return std::string(static_cast<size_t>(level > 0 ? level * 4 : 0), ' '); }

// The JSON member `key` of a node when it is a string, else the empty string.
inline std::string jsonString(const ASTNode& node, const char* key) {
    auto it = node.json.find(key);
    if (it != node.json.end() && it->is_string()) return it->get<std::string>();
    return std::string();
}

// The JSON member `key` of a node when it is a string, else the empty string, without a copy: for the
// passes that visit every node and only compare or look up what they read.
inline const std::string& jsonStringRef(const ASTNode& node, const char* key) {
    static const std::string none;
    auto it = node.json.find(key);
    return it != node.json.end() && it->is_string() ? it->get_ref<const std::string&>() : none;
}

// The JSON member `key` of a node when it is a string, else `fallback`.
inline std::string jsonStringOr(const ASTNode& node, const char* key, const char* fallback) {
    auto it = node.json.find(key);
    if (it != node.json.end() && it->is_string()) return it->get<std::string>();
    return fallback;
}

// True when the JSON member `key` of a node is present and not null.
inline bool jsonHas(const ASTNode& node, const char* key) {
    auto it = node.json.find(key);
    return it != node.json.end() && !it->is_null();
}

// The statements of a body: a block's children, or the body itself when it is a single statement.
inline std::vector<const ASTNode*> bodyStatements(const ASTNode& body) {
    std::vector<const ASTNode*> stmts;
    if (body.type == "BlockStatement")
        for (const ASTNode& child : body.children) stmts.push_back(&child);
    else
        stmts.push_back(&body);
    return stmts;
}

// True when the JSON member `key` is the boolean true.
inline bool jsonTrue(const ASTNode& node, const char* key) {
    auto it = node.json.find(key);
    return it != node.json.end() && it->is_boolean() && it->get<bool>();
}
