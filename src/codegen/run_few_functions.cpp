// Top-level functions that a program calls only a bounded number of times.
//
// The optimiser's time per function is what a program of many small functions pays for: at -O2 each
// costs the C++ compiler milliseconds, several times what the same function costs unoptimised. A
// function without a loop that only the module's run-once top-level code calls by name, never a loop,
// another function or a closure, and that is never handed on as a value, runs at most once per such
// call, so optimising it saves the program next to nothing. Any other use of the name (a call from a
// function, recursion, a callback, a property of the same name) keeps the function optimised.
#include "codegen/run_few_functions.h"

#include <string>
#include <string_view>

#include "codegen/syntax_queries.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

bool isLoop(const ASTNode& node) {
    return node.type == "ForStatement"sv || node.type == "WhileStatement"sv || node.type == "DoWhileStatement"sv ||
           node.type == "ForInStatement"sv || node.type == "ForOfStatement"sv;
}

bool holdsLoop(const ASTNode& node) {
    if (isLoop(node)) return true;
    for (const ASTNode& child : node.children)
        if (holdsLoop(child)) return true;
    return false;
}

const std::string& nameOf(const ASTNode& identifier) { return jsonStringRef(identifier, "name"); }

// Collects every name used otherwise than as the callee of a call that runs once: `repeated` is true
// inside loops and function bodies, where a call may run any number of times.
void collectRepeatedUses(const ASTNode& node, bool repeated, std::set<std::string>& names) {
    repeated = repeated || isLoop(node) || isFunctionNode(node);
    size_t first = 0;
    if (node.type == "Identifier"sv) {
        names.insert(nameOf(node));
    } else if (node.type == "CallExpression"sv && !node.children.empty() && node.children[0].type == "Identifier"sv) {
        if (repeated) names.insert(nameOf(node.children[0]));
        first = 1;
    } else if (node.type == "FunctionDeclaration"sv && !node.children.empty() &&
               node.children[0].type == "Identifier"sv) {
        first = 1;  // the declared name itself is no use of it
    }
    for (size_t i = first; i < node.children.size(); ++i) collectRepeatedUses(node.children[i], repeated, names);
}

}  // namespace

std::set<const ASTNode*> runFewFunctions(const ASTNode& program) {
    std::set<std::string> repeated;
    collectRepeatedUses(program, false, repeated);
    std::set<const ASTNode*> out;
    for (const ASTNode& stmt : program.children) {
        if (stmt.type != "FunctionDeclaration"sv || stmt.children.empty() || stmt.children[0].type != "Identifier"sv)
            continue;
        if (!repeated.count(nameOf(stmt.children[0])) && !holdsLoop(stmt)) out.insert(&stmt);
    }
    return out;
}
