#include "frontend/ast.h"

#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace {

using FieldList = std::vector<ChildField>;

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

// How many parseNode calls are active on this thread: only the outermost one checks the depth.
thread_local int activeReads = 0;

struct ReadScope {
    ReadScope() { ++activeReads; }
    ~ReadScope() { --activeReads; }
};

// The value with objects emptied of their own objects and arrays: of a node it holds, its type,
// name, value and other plain members.
nlohmann::json plainMembers(const nlohmann::json& j) {
    if (!j.is_object()) return j.is_array() ? nlohmann::json::array() : j;
    nlohmann::json out = nlohmann::json::object();
    for (auto it = j.begin(); it != j.end(); ++it)
        if (!it->is_structured()) out[it.key()] = *it;
    return out;
}

// A node's own JSON: its plain members, each object member cut to its plain members, each
// array member's elements cut the same way (nested arrays emptied).
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

const char* const kGenericChildFields[13] = {"body",  "declarations", "expression", "argument", "consequent",
                                             "alternate", "callee", "arguments", "left", "right",
                                             "init", "id", "params"};

const std::vector<ChildField>* namedChildFields(const std::string& type) {
    const auto& table = childTable();
    auto row = table.find(type);
    return row == table.end() ? nullptr : &row->second;
}

std::vector<const char*> childFieldNames(const ASTNode& node) {
    // A node's JSON keeps each member's kind and, in arrays, which elements are objects, so the
    // children can be traced back to their members.
    std::vector<const char*> names;
    auto add = [&](const char* name, bool array) {
        auto it = node.json.find(name);
        if (it == node.json.end()) return;
        if (array && it->is_array()) {
            for (const auto& el : *it)
                if (el.is_object()) names.push_back(name);
        } else if (!array && it->is_object()) {
            names.push_back(name);
        }
    };
    if (const FieldList* fields = namedChildFields(node.type)) {
        for (const ChildField& f : *fields) add(f.name, f.array);
    } else {
        for (const char* name : kGenericChildFields) {
            auto it = node.json.find(name);
            if (it != node.json.end() && !it->is_null()) add(name, it->is_array());
        }
    }
    return names;
}

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
    // Each node keeps its own members and the plain members of what it holds: a deep copy at every
    // level would cost memory in proportion to the tree's size times its depth.
    node.json = shallowCopy(j);
    auto t = j.find("type");
    node.type = (t != j.end() && t->is_string()) ? t->get<std::string>() : "<unknown>";

    if (const FieldList* fields = namedChildFields(node.type)) {
        for (const ChildField& f : *fields) {
            if (f.array)
                appendArray(j, f.name, node);
            else
                appendObject(j, f.name, node);
        }
        return node;
    }
    for (const char* name : kGenericChildFields) {
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
