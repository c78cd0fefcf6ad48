#pragma once
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// One syntax-tree node: its ESTree type, its whole JSON object and its child nodes
// in a fixed order per type. Nodes are plain values; nothing changes a tree once built.
class ASTNode {
public:
    std::string type;
    nlohmann::json json;
    std::vector<ASTNode> children;
};

// Builds ASTNode trees from ESTree JSON.
class Parser {
public:
    static ASTNode parseNode(const nlohmann::json& j);
    static void appendObject(const nlohmann::json& j, const char* name, ASTNode& node);
    static void appendArray(const nlohmann::json& j, const char* name, ASTNode& node);
};
