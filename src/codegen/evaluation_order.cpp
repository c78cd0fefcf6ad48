// Keeping JavaScript's left-to-right order of operands where C++ leaves the order open.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/syntax_queries.h"

using namespace std::string_view_literals;

namespace {

// The expression assigns or updates a variable or property somewhere inside (function bodies aside).
bool writes(const ASTNode& node) {
    if (isFunctionNode(node)) return false;
    if (node.type == "AssignmentExpression"sv || node.type == "UpdateExpression"sv) return true;
    for (const ASTNode& child : node.children)
        if (writes(child)) return true;
    return false;
}

}  // namespace

bool CEmitter::actsOnState(const ASTNode& node) {
    if (isFunctionNode(node)) return false;
    if (node.type == "CallExpression"sv || node.type == "NewExpression"sv || node.type == "AssignmentExpression"sv ||
        node.type == "UpdateExpression"sv)
        return true;
    if (node.type == "UnaryExpression"sv && node.json.value("operator", std::string()) == "delete") return true;
    for (const ASTNode& child : node.children)
        if (actsOnState(child)) return true;
    return false;
}

bool CEmitter::readsProperty(const ASTNode& node) {
    if (isFunctionNode(node)) return false;
    if (node.type == "MemberExpression"sv) return true;
    for (const ASTNode& child : node.children)
        if (readsProperty(child)) return true;
    return false;
}

// A name whose value a call elsewhere can change: anything but a local of the function being written
// (functions share no locals, there are no closures) and the constant globals. A local still counts
// when `other` assigns it directly.
bool CEmitter::readsMutableName(const ASTNode& node, const ASTNode& other) const {
    if (node.type != "Identifier"sv) return false;
    const std::string name = identName(node);
    if (name == "undefined" || name == "NaN" || name == "Infinity") return false;
    const bool functionLocal = ownedLocals.count(name) && !entryStatics.count(name);
    return !functionLocal || writes(other);
}

// C++ leaves the order of operands open (g++ often goes right to left); JavaScript goes left to right.
// The order shows once one side acts and the other acts, reads a property or reads a name it may change.
bool CEmitter::orderObservable(const ASTNode& first, const ASTNode& second) const {
    auto observes = [this](const ASTNode& n, const ASTNode& other) {
        return actsOnState(n) || readsProperty(n) || readsMutableName(n, other);
    };
    return (actsOnState(first) && observes(second, first)) || (actsOnState(second) && observes(first, second));
}

std::string CEmitter::openOrderedOperand(const ASTNode& first, std::ostringstream& os) {
    const std::string local = "__jsc_a" + std::to_string(++sequencedCounter);
    os << "([&]() -> JsValue { JsValue " << local << " = ";
    emitValue(first, os);
    os << "; return ";
    return local;
}
