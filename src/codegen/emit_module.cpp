// Dependency modules: their statics, their run-once initialiser and the module.exports they build.
#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

namespace {

// Declarators of top-level declarations whose binding is a plain identifier.
std::vector<const ASTNode*> qualifyingDeclarators(const ASTNode& program) {
    std::vector<const ASTNode*> out;
    for (const ASTNode& stmt : program.children) {
        if (stmt.type != "VariableDeclaration") continue;
        for (const ASTNode& decl : stmt.children)
            if (decl.type == "VariableDeclarator" && !decl.children.empty() && decl.children[0].type == "Identifier")
                out.push_back(&decl);
    }
    return out;
}

}  // namespace

void CEmitter::emitDepModule(const Module& module, std::ostringstream& os) {
    os << "/* === module: " << module.path << " === */\n\n";
    const std::vector<std::string> varNames = bindDepModuleNames(module);
    emitDepModuleStatics(module, varNames, os);
    os << "\n";
    emitFunctionPrototypes(module.ast, module.id, os);
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type != "FunctionDeclaration") continue;
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
        if (stmt.type != "FunctionDeclaration" || stmt.children.empty()) continue;
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
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type != "VariableDeclaration") continue;
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
        if (stmt.type != "VariableDeclaration") continue;
        for (const ASTNode& decl : stmt.children) {
            if (decl.children.size() < 2 || decl.children[0].type != "ObjectPattern" ||
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
    os << "static JsValue " << module.id << "_exports;\n";
    std::set<std::string> declared;
    for (const std::string& name : varNames) {
        const std::string c = resolve(name);
        if (c != module.id + "_" + name) continue;
        if (declared.insert(c).second) os << "static JsValue " << c << ";\n";
    }
    for (const auto& entry : module.exports) {
        if (entry.first == "default") continue;
        const std::string& symbol = entry.second;
        if (module.nativeFunctions.count(symbol) || declared.count(symbol)) continue;
        declared.insert(symbol);
        os << "static JsValue " << symbol << ";\n";
    }
}

void CEmitter::emitDepModuleInit(const Module& module, std::ostringstream& os) {
    os << "static void " << module.id << "_init(void) {\n";
    os << "    static int _done = 0; if (_done) return; _done = 1;\n";
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type == "FunctionDeclaration") continue;
        if (stmt.type == "VariableDeclaration") {
            for (const ASTNode& decl : stmt.children) emitModuleVarInit(decl, os);
        } else if (stmt.type == "ExpressionStatement" && !stmt.children.empty() &&
                   stmt.children[0].type == "AssignmentExpression" && stmt.children[0].children.size() >= 2 &&
                   (isModuleExprProp(stmt.children[0].children[0], "module", "exports") ||
                    isModuleExportsDotProp(stmt.children[0].children[0]))) {
            emitModuleExportsAssign(module, stmt.children[0], os);
        } else {
            emitStmt(stmt, os, 1);
        }
    }
    emitModuleExportsObject(module, os);
    os << "}\n\n";
}

void CEmitter::emitModuleExportsAssign(const Module& module, const ASTNode& assign, std::ostringstream& os) {
    const ASTNode& left = assign.children[0];
    const ASTNode& right = assign.children[1];
    if (isModuleExprProp(left, "module", "exports")) {
        if (right.type == "Identifier" && module.nativeFunctions.count(module.id + "_" + jsonString(right, "name")))
            return;
        os << "    " << module.id << "_exports = ";
        emitExpr(right, os);
        os << ";\n";
        return;
    }
    std::string key;
    if (left.children.size() >= 2) {
        const ASTNode& prop = left.children[1];
        auto v = prop.json.find("value");
        if (prop.type == "Identifier")
            key = jsonString(prop, "name");
        else if (prop.type == "Literal" && v != prop.json.end() && v->is_string())
            key = v->get<std::string>();
    }
    auto it = module.exports.find(key);
    if (it == module.exports.end() || module.nativeFunctions.count(it->second)) return;
    os << "    " << it->second << " = ";
    emitExpr(right, os);
    os << ";\n";
}
