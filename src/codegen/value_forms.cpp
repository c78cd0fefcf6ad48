// The value forms of an expression (see CEmitter in cemitter.h): value, owned and call-argument.
#include <string_view>

#include "codegen/cemitter.h"

using namespace std::string_view_literals;

bool CEmitter::isOwnedName(const std::string& name) const {
    return ownedLocals.count(name) || entryStatics.count(name) || bareRequireDestructured.count(name);
}

// An assignment to an owned name yields the JsOwned variable itself, which the value forms borrow.
bool CEmitter::yieldsOwnedVariable(const ASTNode& node) const {
    if (node.type != "AssignmentExpression"sv || node.children.size() < 2) return false;
    const std::string op = node.json.value("operator", std::string("="));
    if (op == "&&=" || op == "||=" || op == "?\?=") return false;
    const ASTNode& target = node.children[0];
    return target.type == "Identifier"sv && isOwnedName(identName(target));
}

std::string CEmitter::valueText(const ASTNode& node) {
    std::ostringstream tmp;
    emitValue(node, tmp);
    return tmp.str();
}

bool CEmitter::producesOwnedValue(const ASTNode& node) const {
    const std::string_view t = node.type;
    return t == "Literal" || t == "BinaryExpression" || t == "UnaryExpression" || t == "LogicalExpression" ||
           t == "ObjectExpression" || t == "ArrayExpression" || t == "MemberExpression" || t == "NewExpression";
}

bool CEmitter::nodeReturnsJsOwned(const ASTNode& node) const {
    if (node.type != "CallExpression"sv || node.children.empty()) return false;
    const ASTNode& callee = node.children[0];
    if (callee.type != "Identifier"sv) return true;
    static const std::set<std::string> conversions = {"String",     "Number",      "Boolean",
                                                      "eval",       "Function",    "setTimeout",
                                                      "setInterval", "clearTimeout", "clearInterval"};
    const std::string name = identName(callee);
    if (conversions.count(name)) return false;
    if (bareRequireDestructured.count(name)) return false;
    return true;
}

void CEmitter::emitValue(const ASTNode& node, std::ostringstream& os) {
    if (node.type == "Identifier"sv) {
        const std::string name = identName(node);
        if (isOwnedName(name))
            os << name << ".borrow()";
        else
            os << "JsOwned::from_value(js_clone_value(" << valueName(name) << ")).borrow()";
    } else if (node.type == "CallExpression"sv && nodeReturnsJsOwned(node)) {
        emitExpr(node, os);
    } else if (node.type == "CallExpression"sv || producesOwnedValue(node)) {
        os << "JsOwned::from_value(";
        emitExpr(node, os);
        os << ").borrow()";
    } else if (yieldsOwnedVariable(node)) {
        os << "(";
        emitExpr(node, os);
        os << ").borrow()";
    } else {
        emitExpr(node, os);
    }
}

void CEmitter::emitOwned(const ASTNode& node, std::ostringstream& os) {
    if (node.type == "Identifier"sv) {
        const std::string name = identName(node);
        if (isOwnedName(name))
            os << "js_clone_value(" << name << ".borrow())";
        else
            os << "js_clone_value(" << valueName(name) << ")";
    } else if (node.type == "CallExpression"sv && nodeReturnsJsOwned(node)) {
        os << "js_clone_value(";
        emitExpr(node, os);
        os << ")";
    } else if (node.type == "CallExpression"sv || producesOwnedValue(node)) {
        emitExpr(node, os);
    } else {
        os << "js_clone_value(" << (yieldsOwnedVariable(node) ? "(" : "");
        emitExpr(node, os);
        os << (yieldsOwnedVariable(node) ? ").borrow())" : ")");
    }
}

void CEmitter::emitCallArg(const ASTNode& node, std::ostringstream& os) {
    if (node.type == "Identifier"sv) {
        const std::string name = identName(node);
        if (isOwnedName(name))
            os << "JsOwned::from_borrowed(" << name << ".borrow())";
        else
            os << "JsOwned::from_borrowed(" << valueName(name) << ")";
    } else if (node.type == "CallExpression"sv && nodeReturnsJsOwned(node)) {
        emitCallImpl(node, os, false);
    } else {
        os << "JsOwned::from_value(" << (yieldsOwnedVariable(node) ? "(" : "");
        emitExpr(node, os);
        os << (yieldsOwnedVariable(node) ? ").borrow())" : ")");
    }
}
