#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// One syntax-tree node: its ESTree type, its JSON object and its child nodes in a fixed order per
// type. The root's JSON is the whole tree; below it a node's JSON holds its own members, with the
// nodes it holds cut down to their plain members (type, name, value, ...), so reading a child's
// details goes through `children`. Nodes are plain values; nothing changes a tree once built.
class ASTNode {
public:
    std::string type;
    nlohmann::json json;
    std::vector<ASTNode> children;
};

// Deepest nesting of JSON objects and arrays the tree reader accepts; deeper input is refused
// before anything is copied.
constexpr std::size_t kMaxSyntaxTreeDepth = 1000;

// True when j holds objects or arrays nested more than kMaxSyntaxTreeDepth levels deep.
// Walks without recursion, so any depth is safe to test.
bool nestedTooDeep(const nlohmann::json& j);

// Builds ASTNode trees from ESTree JSON.
class Parser {
public:
    static ASTNode parseNode(const nlohmann::json& j);
    // The same, taking over the caller's tree as the root's JSON instead of copying it.
    static ASTNode parseNode(nlohmann::json&& j);
    static void appendObject(const nlohmann::json& j, const char* name, ASTNode& node);
    static void appendArray(const nlohmann::json& j, const char* name, ASTNode& node);
};
