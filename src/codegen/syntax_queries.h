// Questions about syntax-tree nodes that several generator passes ask.
#pragma once

#include <string>

#include "frontend/ast.h"
#include "frontend/function_length.h"

// Function declarations, function expressions and arrows: each body is a scope
// of its own, which the passes over an enclosing scope do not enter.
// Every pass asks this of every node, so the type's length rules most nodes out before any text is compared.
inline bool isFunctionNode(const ASTNode& node) {
    switch (node.type.size()) {
    case 18: return node.type == "FunctionExpression";
    case 19: return node.type == "FunctionDeclaration";
    case 23: return node.type == "ArrowFunctionExpression";
    default: return false;
    }
}

// The front end's note of a function's length at the top of its body (frontend/function_length.h).
inline bool isFunctionLengthDirective(const ASTNode& stmt) {
    if (stmt.type != "ExpressionStatement") return false;
    auto directive = stmt.json.find("directive");
    return directive != stmt.json.end() && directive->is_string() &&
           directive->get_ref<const std::string&>().rfind(kFunctionLengthDirective, 0) == 0;
}
