// The dispatcher through which a hybrid program's island calls the compiled functions of the entry module.
#include "codegen/cemitter.h"
#include "codegen/cxx_names.h"
#include "codegen/text_helpers.h"

namespace {

// Parameters of a function node: the children from `start` up to its body.
int arityFrom(const ASTNode& fn, size_t start) {
    int arity = 0;
    for (size_t i = start; i < fn.children.size() && fn.children[i].type != "BlockStatement"; ++i) ++arity;
    return arity;
}

std::vector<FnInfo> listCallable(const Module& entry) {
    std::vector<FnInfo> fns;
    for (const ASTNode& stmt : entry.ast.children) {
        if (stmt.type == "FunctionDeclaration" && !stmt.children.empty()) {
            const std::string name = jsonString(stmt.children[0], "name");
            if (!name.empty()) fns.push_back({name, arityFrom(stmt, 1)});
        } else if (stmt.type == "VariableDeclaration") {
            for (const ASTNode& decl : stmt.children) {
                if (decl.type != "VariableDeclarator" || decl.children.size() < 2 ||
                    decl.children[0].type != "Identifier")
                    continue;
                const ASTNode& init = decl.children[1];
                if (init.type != "FunctionExpression" && init.type != "ArrowFunctionExpression") continue;
                const std::string name = jsonString(decl.children[0], "name");
                if (name.empty()) continue;
                auto id = init.json.find("id");
                const bool named = init.type == "FunctionExpression" && id != init.json.end() && id->is_object();
                fns.push_back({name, arityFrom(init, named ? 1 : 0)});
            }
        }
    }
    return fns;
}

}  // namespace

void CEmitter::emitHybridAotDispatch(const Module& entry, std::ostringstream& os) {
    const std::vector<FnInfo> fns = listCallable(entry);
    bool anyParams = false;
    for (const FnInfo& fn : fns) anyParams = anyParams || fn.arity > 0;
    os << "static JsValue __orvan_hybrid_call_aot(const char* name, const char* json) {\n";
    os << "    if (!name || !*name) return JS_UNDEFINED();\n";
    if (anyParams)
        os << "    JsOwned __payload = JsOwned::from_value(JS_STR(json ? json : \"\"));\n";
    else
        os << "    (void)json;\n";
    for (const FnInfo& fn : fns) {
        os << "    if (strcmp(name, \"" << escapeString(jsNameOf(fn.name)) << "\") == 0) {\n";
        // The payload is the first argument; further parameters receive undefined.
        os << "        JsOwned __ret = " << fn.name << "(";
        for (int i = 0; i < fn.arity; ++i) os << (i == 0 ? "__payload.clone()" : ", JsOwned()");
        os << ");\n";
        os << "        return js_clone_value(__ret.borrow());\n";
        os << "    }\n";
    }
    os << "    return JS_UNDEFINED();\n";
    os << "}\n\n";
}
