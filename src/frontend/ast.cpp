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
    ReadScope scope;
    ASTNode node;
    node.json = j;
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
