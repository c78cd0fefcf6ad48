#include "frontend/ast.h"

#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace {

struct Field {
    const char* name;
    bool array;
};

using FieldList = std::vector<Field>;

// Child order for the node types the tree reader knows by name.
const std::unordered_map<std::string, FieldList>& childTable() {
    static const std::unordered_map<std::string, FieldList> table = {
        {"Program", {{"body", true}}},
        {"BlockStatement", {{"body", true}}},
        {"VariableDeclaration", {{"declarations", true}}},
        {"VariableDeclarator", {{"id", false}, {"init", false}}},
        {"ExpressionStatement", {{"expression", false}}},
        {"CallExpression", {{"callee", false}, {"arguments", true}}},
        {"MemberExpression", {{"object", false}, {"property", false}}},
        {"BinaryExpression", {{"left", false}, {"right", false}}},
        {"LogicalExpression", {{"left", false}, {"right", false}}},
        {"AssignmentExpression", {{"left", false}, {"right", false}}},
        {"UnaryExpression", {{"argument", false}}},
        {"UpdateExpression", {{"argument", false}}},
        {"SpreadElement", {{"argument", false}}},
        {"ThrowStatement", {{"argument", false}}},
        {"ReturnStatement", {{"argument", false}}},
        {"FunctionDeclaration", {{"id", false}, {"params", true}, {"body", false}}},
        {"FunctionExpression", {{"id", false}, {"params", true}, {"body", false}}},
        {"ConditionalExpression", {{"test", false}, {"consequent", false}, {"alternate", false}}},
        {"IfStatement", {{"test", false}, {"consequent", false}, {"alternate", false}}},
        {"SequenceExpression", {{"expressions", true}}},
        {"TryStatement", {{"block", false}, {"handler", false}, {"finalizer", false}}},
        {"CatchClause", {{"param", false}, {"body", false}}},
        {"SwitchStatement", {{"discriminant", false}, {"cases", true}}},
        {"SwitchCase", {{"test", false}, {"consequent", true}}},
        {"DoWhileStatement", {{"body", false}, {"test", false}}},
        {"WhileStatement", {{"test", false}, {"body", false}}},
        {"BreakStatement", {{"label", false}}},
        {"ContinueStatement", {{"label", false}}},
        {"ForStatement", {{"init", false}, {"test", false}, {"update", false}, {"body", false}}},
        {"ObjectExpression", {{"properties", true}}},
        {"ObjectPattern", {{"properties", true}}},
        {"Property", {{"key", false}, {"value", false}}},
        {"ArrayExpression", {{"elements", true}}},
        {"ImportExpression", {{"source", false}}},
        {"ThisExpression", {}},
        {"EmptyStatement", {}},
        {"Identifier", {}},
        {"Literal", {}},
    };
    return table;
}

// Fields tried, in this order, for every type the table does not name.
const char* const kGenericFields[] = {"body",  "declarations", "expression", "argument", "consequent",
                                      "alternate", "callee", "arguments", "left", "right",
                                      "init", "id", "params"};

// How many parseNode calls are active on this thread: only the outermost one checks the depth.
thread_local int activeReads = 0;

struct ReadScope {
    ReadScope() { ++activeReads; }
    ~ReadScope() { --activeReads; }
};

// The value with objects below its first level emptied of their own objects and arrays: a node's
// members, and of the nodes it holds their type, name, value and other plain members.
nlohmann::json plainMembers(const nlohmann::json& j) {
    if (!j.is_object()) return j.is_array() ? nlohmann::json::array() : j;
    nlohmann::json out = nlohmann::json::object();
    for (auto it = j.begin(); it != j.end(); ++it)
        if (!it->is_structured()) out[it.key()] = *it;
    return out;
}

nlohmann::json shallowCopy(const nlohmann::json& j) {
    nlohmann::json out = nlohmann::json::object();
    for (auto it = j.begin(); it != j.end(); ++it) {
        if (it->is_array()) {
            nlohmann::json items = nlohmann::json::array();
            for (const auto& el : *it) items.push_back(plainMembers(el));
            out[it.key()] = std::move(items);
        } else {
            out[it.key()] = it->is_object() ? plainMembers(*it) : *it;
        }
    }
    return out;
}

}  // namespace

bool nestedTooDeep(const nlohmann::json& j) {
    std::vector<std::pair<const nlohmann::json*, std::size_t>> pending{{&j, 1}};
    while (!pending.empty()) {
        auto [value, depth] = pending.back();
        pending.pop_back();
        if (!value->is_structured()) continue;
        if (depth > kMaxSyntaxTreeDepth) return true;
        for (const auto& child : *value) pending.emplace_back(&child, depth + 1);
    }
    return false;
}

ASTNode Parser::parseNode(const nlohmann::json& j) {
    if (!j.is_object())
        throw std::runtime_error(std::string("Parser::parseNode: expected JSON object, got ") + j.type_name());
    if (activeReads == 0 && nestedTooDeep(j))
        throw std::runtime_error("Parser::parseNode: syntax tree nested deeper than " +
                                 std::to_string(kMaxSyntaxTreeDepth) + " levels");
    const bool outermost = activeReads == 0;
    ReadScope scope;
    ASTNode node;
    // The tree's root keeps the whole JSON (a renaming pass rewrites and reads it again); every other
    // node keeps its own members and the plain members of what it holds, since a deep copy at every
    // level costs memory in proportion to the tree's size times its depth.
    node.json = outermost ? j : shallowCopy(j);
    auto t = j.find("type");
    node.type = (t != j.end() && t->is_string()) ? t->get<std::string>() : "<unknown>";

    const auto& table = childTable();
    auto row = table.find(node.type);
    if (row != table.end()) {
        for (const Field& f : row->second) {
            if (f.array)
                appendArray(j, f.name, node);
            else
                appendObject(j, f.name, node);
        }
        return node;
    }
    for (const char* name : kGenericFields) {
        auto it = j.find(name);
        if (it == j.end() || it->is_null()) continue;
        if (it->is_array())
            appendArray(j, name, node);
        else if (it->is_object())
            appendObject(j, name, node);
    }
    return node;
}

ASTNode Parser::parseNode(nlohmann::json&& j) {
    if (j.is_object() && nestedTooDeep(j))
        throw std::runtime_error("Parser::parseNode: syntax tree nested deeper than " +
                                 std::to_string(kMaxSyntaxTreeDepth) + " levels");
    ASTNode node;
    {
        // Read as an inner node, which copies little; the whole tree then moves in without a copy.
        ReadScope scope;
        node = parseNode(static_cast<const nlohmann::json&>(j));
    }
    node.json = std::move(j);
    return node;
}

void Parser::appendObject(const nlohmann::json& j, const char* name, ASTNode& node) {
    if (!j.is_object()) return;
    auto it = j.find(name);
    if (it == j.end() || !it->is_object()) return;
    node.children.push_back(parseNode(*it));
}

void Parser::appendArray(const nlohmann::json& j, const char* name, ASTNode& node) {
    if (!j.is_object()) return;
    auto it = j.find(name);
    if (it == j.end() || !it->is_array()) return;
    for (const auto& el : *it)
        if (el.is_object()) node.children.push_back(parseNode(el));
}
