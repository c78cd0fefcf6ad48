// Function declarations: signatures, C++ names, prototypes, and bodies with nested functions hoisted.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/run_few_functions.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

bool isNamedFunctionExpression(const ASTNode& fn) {
    if (fn.type != "FunctionExpression"sv) return false;
    auto id = fn.json.find("id");
    return id != fn.json.end() && id->is_object();
}

std::string cxxFunctionName(const std::string& prefix, const std::string& name) {
    return prefix.empty() ? name : prefix + "_" + name;
}

// A function declaration directly in a body, with a name to hoist it under.
bool isHoistable(const ASTNode& stmt) {
    return stmt.type == "FunctionDeclaration"sv && !stmt.children.empty() && stmt.children[0].type == "Identifier"sv;
}

}  // namespace

void CEmitter::extractFunctionSignature(const ASTNode& fn, std::string* name, std::vector<std::string>* params,
                                        const ASTNode** body) {
    name->clear();
    params->clear();
    *body = nullptr;
    size_t start = 0;
    if (fn.type == "FunctionDeclaration"sv || isNamedFunctionExpression(fn)) {
        if (fn.children.empty()) return;
        if (fn.children[0].type == "Identifier"sv) *name = identName(fn.children[0]);
        start = 1;
    }
    for (size_t i = start; i < fn.children.size(); ++i) {
        if (fn.children[i].type == "BlockStatement"sv) {
            *body = &fn.children[i];
            return;
        }
        params->push_back(identName(fn.children[i]));
    }
}

// Parameters that are patterns have no name to bind: they get a placeholder so the signature compiles.
std::vector<std::string> CEmitter::cxxParamNames(const std::vector<std::string>& params, const std::string& fnName) {
    std::vector<std::string> names;
    for (size_t i = 0; i < params.size(); ++i) {
        if (params[i] != "<anon>") {
            names.push_back(params[i]);
            continue;
        }
        diagUnsupported("parameter pattern in " + fnName,
                        "Destructuring, default and rest parameters are not supported; the parameter is undefined.");
        names.push_back("__jsc_p" + std::to_string(i));
    }
    return names;
}

void CEmitter::emitFunction(const ASTNode& node, std::ostringstream& os, int level, const std::string& prefix) {
    std::string name;
    std::vector<std::string> jsParams;
    const ASTNode* body = nullptr;
    extractFunctionSignature(node, &name, &jsParams, &body);
    if (name.empty()) return;
    const std::string cname = cxxFunctionName(prefix, name);
    const std::string storage = prefix.empty() ? "" : "static ";

    std::vector<SymSave> saves;
    if (body && body->type == "BlockStatement") {
        int i = 0;
        for (const ASTNode& child : body->children) {
            if (!isHoistable(child)) continue;
            const std::string n = identName(child.children[0]);
            const std::string sub = cname + "__n" + std::to_string(i);
            SymSave save;
            save.name = n;
            auto it = scope.find(n);
            save.hadPrevious = it != scope.end();
            if (save.hadPrevious) save.previous = it->second;
            saves.push_back(save);
            scope[n] = sub + "_" + n;
            emitFunction(child, os, level, sub);
            ++i;
        }
    }

    const std::vector<std::string> params = cxxParamNames(jsParams, name);
    if (unoptimisedFunctions.count(&node)) os << "__attribute__((optimize(\"O0\"))) ";
    os << storage << "JsOwned " << cname << "(";
    for (size_t i = 0; i < params.size(); ++i) os << (i ? ", " : "") << "JsOwned " << params[i];
    os << ") {\n";
    const std::string inner = indentOf(level + 1);
    // Direct calls bypass the runtime's call path, so each function checks its depth.
    os << inner << "js_stack_check();\n";
    for (const std::string& p : params) os << inner << "(void)" << p << ";\n";
    const std::vector<JumpScope> savedJumps = std::move(jumpScopes);
    jumpScopes.clear();
    const LocalShadow shadow = enterFunctionLocals(params, body);
    OwnedLocalsScope function(ownedLocals, {params.begin(), params.end()});
    if (body) hoistBlockVars(bodyStatements(*body), os, level + 1);
    if (body) {
        for (const ASTNode& child : body->children)
            if (child.type != "FunctionDeclaration"sv) emitStmt(child, os, level + 1);
    }
    if (!body || body->children.empty() || body->children.back().type != "ReturnStatement"sv)
        os << inner << "return JsOwned();\n";
    jumpScopes = savedJumps;
    leaveFunctionLocals(shadow);
    os << "}\n";
    for (auto it = saves.rbegin(); it != saves.rend(); ++it) {
        if (it->hadPrevious)
            scope[it->name] = it->previous;
        else
            scope.erase(it->name);
    }
}

void CEmitter::emitFunctionPrototypes(const ASTNode& program, const std::string& prefix, std::ostringstream& os) const {
    std::vector<std::string> lines;
    for (const ASTNode& stmt : program.children)
        if (stmt.type == "FunctionDeclaration"sv) collectPrototypes(stmt, prefix, lines);
    for (const std::string& line : lines) os << line;
    if (!lines.empty()) os << "\n";
}

// Prototypes of a function and of the functions hoisted out of it, named as emitFunction names them.
void CEmitter::collectPrototypes(const ASTNode& fn, const std::string& prefix, std::vector<std::string>& out) const {
    std::string name;
    std::vector<std::string> params;
    const ASTNode* body = nullptr;
    extractFunctionSignature(fn, &name, &params, &body);
    if (name.empty()) return;
    const std::string cname = cxxFunctionName(prefix, name);
    if (body) {
        int i = 0;
        for (const ASTNode& child : body->children)
            if (isHoistable(child)) collectPrototypes(child, cname + "__n" + std::to_string(i++), out);
    }
    std::string line = (prefix.empty() ? "" : "static ") + std::string("JsOwned ") + cname + "(";
    for (size_t i = 0; i < params.size(); ++i) line += i ? ", JsOwned" : "JsOwned";
    out.push_back(line + ");\n");
}

// Functions that run a bounded number of times are left to the plain compiler, except where code outside
// this unit (a hybrid build's island, a web view's page) may call the program's functions by name.
void CEmitter::chooseUnoptimisedFunctions(const ASTNode& program) {
    unoptimisedFunctions.clear();
    if (!hybrid && !needWebview) unoptimisedFunctions = runFewFunctions(program);
}
