// Numbering function expressions as native functions, and recording every compiled function's arity and length.
#include <stdexcept>
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/cxx_names.h"

using namespace std::string_view_literals;

// The last pre-scan of a module: numbers its function expressions, records the C++ functions it
// will define and reports nested functions that read locals of an enclosing function.
void CEmitter::scanFeUidsSubtree(const ASTNode& node) {
    const Module* owner = nullptr;
    if (modules)
        for (const Module& m : *modules)
            if (&m.ast == &node) owner = &m;
    if (owner && owner == &modules->front()) {
        feBindings.clear();
        feModulePaths.clear();
        compiledArity.clear();
        compiledJsNames.clear();
        compiledLengths.clear();
        inferredFunctionNames.clear();
        closureCaptured.clear();
        sequencedCounter = 0;
    }
    numberFunctionExpressions(node, owner ? owner->path : currentModulePath);
    nameFunctionExpressions(node);
    if (!owner) return;
    recordCompiledFunctions(*owner);
    std::vector<std::set<std::string>> enclosing;
    reportClosureCaptures(node, enclosing);
}

void CEmitter::numberFunctionExpressions(const ASTNode& node, const std::string& modulePath) {
    if (node.type == "FunctionExpression"sv && !feUids.count(&node)) {
        feUids[&node] = ++feCount;
        pendingFe.push_back(&node);
        feModulePaths[&node] = modulePath;
    }
    for (const ASTNode& child : node.children) numberFunctionExpressions(child, modulePath);
}

std::string CEmitter::queueFeNative(const ASTNode& node) {
    auto it = feUids.find(&node);
    if (it == feUids.end()) throw std::runtime_error("CEmitter: FunctionExpression not covered by scanFeUids (internal)");
    feBindings.emplace(&node, currentBinding());
    return "__jsc_fe_" + std::to_string(it->second);
}

// Every C++ function the module's declarations become, with its parameter count: top-level
// functions (entry ones under their own names) and the nested functions hoisted out of them.
void CEmitter::recordCompiledFunctions(const Module& module) {
    const bool entry = &module == &modules->back();
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type != "FunctionDeclaration"sv || stmt.children.empty()) continue;
        const std::string name = identName(stmt.children[0]);
        if (stmt.children[0].type != "Identifier"sv || name.empty()) continue;
        recordCompiledFunction(stmt, entry ? name : module.id + "_" + name);
    }
}

void CEmitter::recordCompiledFunction(const ASTNode& fn, const std::string& cxx) {
    std::string name;
    std::vector<std::string> params;
    const ASTNode* body = nullptr;
    extractFunctionSignature(fn, &name, &params, &body);
    compiledArity[cxx] = static_cast<int>(params.size());
    compiledJsNames[cxx] = jsNameOf(name);
    const int length = functionLength(fn);
    if (length != static_cast<int>(params.size())) compiledLengths[cxx] = length;
    if (!body) return;
    int i = 0;
    for (const ASTNode& child : body->children) {
        if (child.type != "FunctionDeclaration"sv || child.children.empty() || child.children[0].type != "Identifier"sv)
            continue;
        recordCompiledFunction(child, cxx + "__n" + std::to_string(i) + "_" + identName(child.children[0]));
        ++i;
    }
}
