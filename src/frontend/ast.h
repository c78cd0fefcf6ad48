#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// One syntax-tree node: its ESTree type, its JSON object and its child nodes in a fixed order per
// type. A node's JSON holds its own members, with the nodes it holds cut down to their plain
// members (type, name, value, ...), so reading a child's details goes through `children`. Nodes
// are plain values; nothing changes a tree once built.
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

// A member of a node whose value becomes children: one node, or the nodes of an array.
struct ChildField {
    const char* name;
    bool array;
};

// The members that give a node of this type its children, in child order; null for the types
// that take theirs by the generic rule (kGenericChildFields, each member by its kind).
const std::vector<ChildField>* namedChildFields(const std::string& type);
extern const char* const kGenericChildFields[13];

// The member each of node's children came from, in child order (names from the static tables).
std::vector<const char*> childFieldNames(const ASTNode& node);

// Builds ASTNode trees from ESTree JSON.
class Parser {
public:
    static ASTNode parseNode(const nlohmann::json& j);
    static void appendObject(const nlohmann::json& j, const char* name, ASTNode& node);
    static void appendArray(const nlohmann::json& j, const char* name, ASTNode& node);
};
