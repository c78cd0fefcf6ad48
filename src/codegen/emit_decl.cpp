// Variable declarations: locals, destructuring patterns, require declarations and module-level initialisers.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

// The key a destructuring property reads: an identifier's name or a string literal's value.
std::string patternKey(const ASTNode& prop) {
    const ASTNode& key = prop.children[0];
    auto v = key.json.find("value");
    if (key.type == "Literal"sv && v != key.json.end() && v->is_string()) return v->get<std::string>();
    return CEmitter::identName(key);
}

std::string patternLocal(const ASTNode& prop) {
    return CEmitter::identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]);
}

}  // namespace

void CEmitter::emitVarDecl(const ASTNode& declarator, std::ostringstream& out, int level, bool declare,
                           bool terminate) {
    if (declarator.type != "VariableDeclarator"sv || declarator.children.empty()) return;
    const ASTNode& binding = declarator.children[0];
    const ASTNode* init = declarator.children.size() > 1 ? &declarator.children[1] : nullptr;
    if (binding.type == "ObjectPattern"sv) {
        emitVarPattern(binding, init, out, level, terminate);
        return;
    }
    const std::string ind = indentOf(level);
    if (binding.type != "Identifier"sv) {
        diagUnsupported(binding.type, "Declaration pattern is not supported; it binds nothing.");
        out << ind << "/* unsupported declaration: " << binding.type << " */" << (terminate ? "\n" : "");
        return;
    }
    const std::string name = identName(binding);
    const std::string T = terminate ? ";\n" : "";
    const std::string head = ind + (declare && !ownedLocals.count(name) ? "JsOwned " : "");
    // Declaring again without a value keeps the variable's value, as `var x;` does.
    if (!init && ownedLocals.count(name)) return;
    // A var in a block of a dependency module's top level is the module's static.
    auto moduleStatic = scope.find(name);
    if (atModuleTop && moduleBlockVars.count(name) && !ownedLocals.count(name) && moduleStatic != scope.end() &&
        (!init || !isRequireCall(*init))) {
        if (!init) return;
        out << ind << moduleStatic->second << " = ";
        emitOwned(*init, out);
        out << T;
        return;
    }
    if (!init || !isRequireCall(*init)) {
        out << head << name << " = ";
        if (init)
            emitOwned(*init, out);
        else
            out << "js_undefined()";
        out << T;
        ownedLocals.insert(name);
        return;
    }
    const std::string specifier = requireArg(*init);
    if (!isRelativeRequire(specifier)) {
        out << head << name << " = JsOwned::from_borrowed(";
        emitBareRequireExpr(specifier, out);
        out << ")" << T;
        ownedLocals.insert(name);
        return;
    }
    emitRelativeRequireDecl(name, specifier, out, level, terminate);
}

void CEmitter::emitRelativeRequireDecl(const std::string& name, const std::string& specifier, std::ostringstream& out,
                                       int level, bool terminate) {
    const std::string ind = indentOf(level);
    const Module* m = findRequiredModule(specifier);
    if (m) out << ind << m->id << "_init();" << " /* execute module: " << escapeString(specifier) << " */\n";
    auto bound = scope.find(name);
    if (bound != scope.end() && m && m->nativeFunctions.count(bound->second)) {
        out << ind << "/* require('" << escapeString(specifier) << "') resolved at compile time */\n";
        // Calls go straight to the compiled function, but the variable also serves as a value
        // (`arr.map(f)`, `{ f: f }`), so it must hold the function too.
        if (isOwnedName(name))
            out << ind << name << " = JsOwned::from_value(js_clone_value(" << bound->second << "));\n";
        return;
    }
    out << ind << (ownedLocals.count(name) ? "" : "JsOwned ") << name << " = JsOwned::from_borrowed("
        << (m ? m->id + "_exports" : std::string("JS_UNDEFINED()")) << ")" << (terminate ? ";\n" : "");
    ownedLocals.insert(name);
}

void CEmitter::emitVarPattern(const ASTNode& pattern, const ASTNode* init, std::ostringstream& out, int level,
                              bool terminate) {
    const std::string ind = indentOf(level);
    const std::string T = terminate ? ";\n" : "";
    std::vector<const ASTNode*> props;
    for (const ASTNode& prop : pattern.children)
        if (!prop.children.empty()) props.push_back(&prop);
    auto head = [&](const std::string& local) { return ind + (ownedLocals.count(local) ? "" : "JsOwned "); };
    if (!init || !isRequireCall(*init)) {
        // The source object is evaluated once and each property read from it.
        std::string source;
        if (init && !props.empty()) {
            source = "__ds_" + patternLocal(*props[0]);
            out << ind << "JsOwned " << source << " = JsOwned::from_value(";
            emitOwned(*init, out);
            out << ")" << T;
        }
        for (const ASTNode* prop : props) {
            const std::string local = patternLocal(*prop);
            out << head(local) << local << " = JsOwned::from_value(";
            if (source.empty())
                out << "JS_UNDEFINED()";
            else
                out << "js_obj_get_q(" << source << ".borrow(), \"" << escapeString(patternKey(*prop)) << "\")";
            out << ")" << T;
            ownedLocals.insert(local);
        }
        return;
    }
    const std::string specifier = requireArg(*init);
    if (!isRelativeRequire(specifier)) {
        for (const ASTNode* prop : props) {
            const std::string local = patternLocal(*prop);
            out << head(local) << local << " = JsOwned::from_value(js_obj_get(";
            emitBareRequireExpr(specifier, out);
            out << ", JS_STR(\"" << escapeString(patternKey(*prop)) << "\")))" << T;
            ownedLocals.insert(local);
        }
        return;
    }
    const Module* m = findRequiredModule(specifier);
    if (m) out << ind << m->id << "_init();" << " /* execute module: " << escapeString(specifier) << " */\n";
    out << ind << "/* require('" << escapeString(specifier) << "') resolved at compile time */\n";
}

void CEmitter::emitModuleVarInit(const ASTNode& declarator, std::ostringstream& out) {
    if (declarator.type != "VariableDeclarator"sv || declarator.children.empty()) return;
    if (declarator.children[0].type == "ObjectPattern"sv) {
        emitModuleDestructuredInit(declarator, out);
        return;
    }
    if (declarator.children[0].type != "Identifier"sv) return;
    const std::string name = identName(declarator.children[0]);
    const std::string c = resolve(name);
    const ASTNode* init = declarator.children.size() > 1 ? &declarator.children[1] : nullptr;
    if (!init || !isRequireCall(*init)) {
        out << "    " << c << " = ";
        if (init)
            emitExpr(*init, out);
        else
            out << "JS_UNDEFINED()";
        out << ";\n";
        return;
    }
    const std::string specifier = requireArg(*init);
    if (!isRelativeRequire(specifier)) {
        out << "    " << c << " = ";
        emitBareRequireExpr(specifier, out);
        out << ";\n";
        return;
    }
    const Module* m = findRequiredModule(specifier);
    if (m) out << "    " << m->id << "_init();\n";
    out << "    /* " << name << " = require('" << escapeString(specifier) << "') resolved */\n";
    // A name not bound to one of the module's compiled functions is this module's static: give it the exports.
    if (c != name && !(m && m->nativeFunctions.count(c)))
        out << "    " << c << " = " << (m ? m->id + "_exports" : std::string("JS_UNDEFINED()")) << ";\n";
}

// const { a, b: c } = require(...) at a dependency module's top level.
void CEmitter::emitModuleDestructuredInit(const ASTNode& declarator, std::ostringstream& out) {
    if (declarator.children.size() < 2 || !isRequireCall(declarator.children[1])) return;
    const std::string specifier = requireArg(declarator.children[1]);
    if (isRelativeRequire(specifier)) {
        const Module* m = findRequiredModule(specifier);
        if (m) out << "    " << m->id << "_init();\n";
        out << "    /* require('" << escapeString(specifier) << "') resolved at compile time */\n";
        return;
    }
    for (const ASTNode& prop : declarator.children[0].children) {
        if (prop.children.empty()) continue;
        out << "    " << resolve(patternLocal(prop)) << " = js_obj_get(";
        emitBareRequireExpr(specifier, out);
        out << ", JS_STR(\"" << escapeString(patternKey(prop)) << "\"));\n";
    }
}
