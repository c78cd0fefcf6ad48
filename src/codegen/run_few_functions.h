// Top-level functions that a program calls only a bounded number of times (run_few_functions.cpp).
#pragma once

#include <set>

#include "frontend/ast.h"

// The function declarations among `program`'s top-level statements that hold no loop and whose name is
// used nowhere but as the callee of calls made by the module's own top-level code outside any loop.
std::set<const ASTNode*> runFewFunctions(const ASTNode& program);
