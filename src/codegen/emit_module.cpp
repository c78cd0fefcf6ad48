// Dependency modules: their statics, their run-once initialiser and the module.exports they build.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"
#include "codegen/top_level_statics.h"

using namespace std::string_view_literals;

namespace {

// Declarators of top-level declarations whose binding is a plain identifier.
std::vector<const ASTNode*> qualifyingDeclarators(const ASTNode& program) {
    std::vector<const ASTNode*> out;
    for (const ASTNode& stmt : program.children) {
        if (stmt.type != "VariableDeclaration"sv) continue;
        for (const ASTNode& decl : stmt.children)
            if (decl.type == "VariableDeclarator"sv && !decl.children.empty() &&
                decl.children[0].type == "Identifier"sv)
                out.push_back(&decl);
    }
    return out;
}

}  // namespace

// Every module's statics and prototypes come before any code, so modules that require each other (a
// cycle, or a require inside a function of a module written earlier) name only declared things.
void CEmitter::emitDepModuleDecls(const Module& module, std::ostringstream& os) {
    os << "/* === module: " << module.path << " === */\n\n";
    os << "static JsValue " << module.id << "_exports;\n";
    os << "static void " << module.id << "_init(void);\n";
    const std::vector<std::string> varNames = bindDepModuleNames(module);
    emitDepModuleStatics(module, varNames, os);
    os << "\n";
    emitFunctionPrototypes(module.ast, module.id, os);
}

void CEmitter::emitDepModule(const Module& module, std::ostringstream& os) {
    os << "/* === module: " << module.path << " (code) === */\n\n";
    bindDepModuleNames(module);
    chooseUnoptimisedFunctions(module.ast);
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type != "FunctionDeclaration"sv) continue;
        emitFunction(stmt, os, 0, module.id);
        os << "\n";
    }
    emitDepModuleInit(module, os);
}

// Enters the module's functions, variables and require bindings in `scope`; returns the variable names.
std::vector<std::string> CEmitter::bindDepModuleNames(const Module& module) {
    clearModuleScopes();
    currentModulePath = module.path;
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type != "FunctionDeclaration"sv || stmt.children.empty()) continue;
        const std::string name = jsonString(stmt.children[0], "name");
        if (!name.empty()) scope[name] = module.id + "_" + name;
    }
    // Require-initialised names get a static of their own as well, unless a require binds them to a
    // compiled function below.
    std::vector<std::string> names;
    for (const ASTNode* decl : qualifyingDeclarators(module.ast)) {
        const std::string name = identName(decl->children[0]);
        scope[name] = module.id + "_" + name;
        names.push_back(name);
    }
    moduleBlockVars.clear();
    for (const std::string& name : nestedModuleVars(module.ast)) {
        moduleBlockVars.insert(name);
        if (scope.count(name)) continue;
        scope[name] = module.id + "_" + name;
        names.push_back(name);
    }
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type != "VariableDeclaration"sv) continue;
        for (const ASTNode& decl : stmt.children) resolveRequireDecl(decl, module.path);
    }
    // Names destructured from a bare require become statics of this module, so two modules that
    // destructure the same name do not declare one C++ variable twice.
    for (const std::string& local : bareDestructuredLocals(module.ast)) {
        bareRequireDestructured.erase(local);
        scope[local] = module.id + "_" + local;
        names.push_back(local);
    }
    return names;
}

// The local names of top-level destructuring declarators initialised by a require of a bare module name.
std::vector<std::string> CEmitter::bareDestructuredLocals(const ASTNode& program) {
    std::vector<std::string> locals;
    for (const ASTNode& stmt : program.children) {
        if (stmt.type != "VariableDeclaration"sv) continue;
        for (const ASTNode& decl : stmt.children) {
            if (decl.children.size() < 2 || decl.children[0].type != "ObjectPattern"sv ||
                !isRequireCall(decl.children[1]) || isRelativeRequire(requireArg(decl.children[1])))
                continue;
            for (const ASTNode& prop : decl.children[0].children)
                if (!prop.children.empty())
                    locals.push_back(identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]));
        }
    }
    return locals;
}

void CEmitter::emitDepModuleStatics(const Module& module, const std::vector<std::string>& varNames,
                                    std::ostringstream& os) {
    std::set<std::string> declared;
    std::vector<std::string> statics;
    for (const std::string& name : varNames) {
        const std::string c = resolve(name);
        if (c != module.id + "_" + name) continue;
        if (declared.insert(c).second) statics.push_back(c);
    }
    for (const auto& entry : module.exports) {
        if (entry.first == "default") continue;
        const std::string& symbol = entry.second;
        if (module.nativeFunctions.count(symbol) || declared.count(symbol)) continue;
        declared.insert(symbol);
        statics.push_back(symbol);
    }
    writeFileScopeStatics("JsValue", "__jsc_" + module.id + "_statics", statics, os);
}

void CEmitter::emitDepModuleInit(const Module& module, std::ostringstream& os) {
    std::vector<const ASTNode*> stmts;
    for (const ASTNode& stmt : module.ast.children)
        if (stmt.type != "FunctionDeclaration"sv) stmts.push_back(&stmt);
    atModuleTop = true;
    std::ostringstream parts, body;
    emitStatementParts(
        module.ast, stmts,
        [&](const ASTNode& stmt, std::ostringstream& out) {
            if (stmt.type == "VariableDeclaration"sv) {
                for (const ASTNode& decl : stmt.children) emitModuleVarInit(decl, out);
            } else if (const ASTNode* assign = topLevelExportsAssign(stmt)) {
                emitModuleExportsAssign(module, *assign, out);
            } else {
                emitStmt(stmt, out, 1);
                resyncExportStatic(module, stmt, out);
            }
        },
        "__jsc_" + module.id + "_part_", parts, body);
    atModuleTop = false;
    os << parts.str();
    os << "static void " << module.id << "_init(void) {\n";
    os << "    static int _done = 0; if (_done) return; _done = 1;\n";
    // module.exports is one object from the start, so the module's own code (and a module that requires
    // this one back in a cycle) reads and writes what Node's would hold at that point.
    os << "    " << module.id << "_exports = js_obj_new();\n";
    os << body.str();
    os << "}\n\n";
}

// `module.exports = v` and `module.exports.K = v` written as a statement of the module's top level.
const ASTNode* CEmitter::topLevelExportsAssign(const ASTNode& stmt) {
    if (stmt.type != "ExpressionStatement"sv || stmt.children.empty()) return nullptr;
    const ASTNode& assign = stmt.children[0];
    if (assign.type != "AssignmentExpression"sv || assign.children.size() < 2 ||
        jsonStringOr(assign, "operator", "=") != "=")
        return nullptr;
    const ASTNode& left = assign.children[0];
    if (isModuleExprProp(left, "module", "exports")) return &assign;
    return isModuleExportsDotProp(left) && !exportKey(left).empty() ? &assign : nullptr;
}

// K of `module.exports.K` or `module.exports["K"]`; "" for a key computed at run time.
std::string CEmitter::exportKey(const ASTNode& target) {
    const ASTNode& key = target.children[1];
    if (!jsonTrue(target, "computed")) return identName(key);
    auto v = key.json.find("value");
    return key.type == "Literal"sv && v != key.json.end() && v->is_string() ? v->get<std::string>() : std::string();
}

// A static bound to `module.exports.K` follows a compound assignment of the property (`+=`, `++`), so a
// module that destructures K reads the property's value.
void CEmitter::resyncExportStatic(const Module& module, const ASTNode& stmt, std::ostringstream& os) {
    if (stmt.type != "ExpressionStatement"sv || stmt.children.empty()) return;
    const ASTNode& x = stmt.children[0];
    if ((x.type != "AssignmentExpression"sv && x.type != "UpdateExpression"sv) || x.children.empty()) return;
    const ASTNode& target = x.children[0];
    const std::string key = isModuleExportsDotProp(target) ? exportKey(target) : std::string();
    if (key.empty()) return;
    auto e = module.exports.find(key);
    if (e == module.exports.end() || module.nativeFunctions.count(e->second)) return;
    os << "    " << e->second << " = js_obj_get_q(" << module.id << "_exports, \"" << escapeString(key) << "\");\n";
}

void CEmitter::emitModuleExportsAssign(const Module& module, const ASTNode& assign, std::ostringstream& os) {
    const ASTNode& left = assign.children[0];
    const ASTNode& right = assign.children[1];
    const std::string exportsVar = module.id + "_exports";
    if (isModuleExprProp(left, "module", "exports")) {
        const std::string fn = module.id + "_" + jsonString(right, "name");
        os << "    " << exportsVar << " = ";
        if (right.type == "Identifier"sv && module.nativeFunctions.count(fn))
            os << "js_clone_value(" << exportedFunctionText(module, fn) << ")";
        else
            emitExpr(right, os);
        os << ";\n";
        return;
    }
    const std::string key = exportKey(left);
    auto it = module.exports.find(key);
    if (it == module.exports.end()) {
        os << "    ";
        emitExpr(assign, os);
        os << ";\n";
        return;
    }
    const std::string& symbol = it->second;
    const bool sameName = right.type == "Identifier"sv && resolve(identName(right)) == symbol;
    if (!module.nativeFunctions.count(symbol) && !sameName) {
        os << "    " << symbol << " = ";
        emitExpr(right, os);
        os << ";\n";
    }
    os << "    js_obj_set(&" << exportsVar << ", \"" << escapeString(key) << "\", js_clone_value("
       << exportedFunctionText(module, symbol) << "));\n";
}
