#pragma once
#include <string>

#include "frontend/ast.h"

// The JSON member "name" of a node, or "" when it is absent or not a string.
std::string nodeName(const ASTNode& node);

// The node is an Identifier with the given name.
bool isIdentifierNamed(const ASTNode& node, const char* name);

// The node is a Literal whose value is a string.
bool isStringLiteral(const ASTNode& node);
