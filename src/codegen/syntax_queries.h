// Questions about syntax-tree nodes that several generator passes ask.
#pragma once

#include "frontend/ast.h"

// Function declarations, function expressions and arrows: each body is a scope
// of its own, which the passes over an enclosing scope do not enter.
inline bool isFunctionNode(const ASTNode& node) {
    return node.type == "FunctionDeclaration" || node.type == "FunctionExpression" ||
           node.type == "ArrowFunctionExpression";
}
