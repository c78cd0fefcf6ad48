// The dispatcher through which a hybrid program's island calls the compiled functions of the entry module.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/cxx_names.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

// Past this many functions the dispatcher looks its callee up in a table.
constexpr size_t kDispatchChain = 32;

// Parameters of a function node: the children from `start` up to its body.
int arityFrom(const ASTNode& fn, size_t start) {
    int arity = 0;
    for (size_t i = start; i < fn.children.size() && fn.children[i].type != "BlockStatement"sv; ++i) ++arity;
    return arity;
}

std::vector<FnInfo> listCallable(const Module& entry) {
    std::vector<FnInfo> fns;
    for (const ASTNode& stmt : entry.ast.children) {
        if (stmt.type == "FunctionDeclaration"sv && !stmt.children.empty()) {
            const std::string name = jsonString(stmt.children[0], "name");
            if (!name.empty()) fns.push_back({name, arityFrom(stmt, 1), true});
        } else if (stmt.type == "VariableDeclaration"sv) {
            for (const ASTNode& decl : stmt.children) {
                if (decl.type != "VariableDeclarator"sv || decl.children.size() < 2 ||
                    decl.children[0].type != "Identifier"sv)
                    continue;
                const ASTNode& init = decl.children[1];
                if (init.type != "FunctionExpression"sv && init.type != "ArrowFunctionExpression"sv) continue;
                const std::string name = jsonString(decl.children[0], "name");
                if (name.empty()) continue;
                auto id = init.json.find("id");
                const bool named = init.type == "FunctionExpression"sv && id != init.json.end() && id->is_object();
                fns.push_back({name, arityFrom(init, named ? 1 : 0), false});
            }
        }
    }
    return fns;
}

// One if-block per function.
void writeDispatchChain(const std::vector<FnInfo>& fns, std::ostringstream& os) {
    for (const FnInfo& fn : fns) {
        os << "    if (strcmp(name, \"" << CEmitter::escapeString(jsNameOf(fn.name)) << "\") == 0) {\n";
        // The payload is the first argument; further parameters receive undefined.
        os << "        JsOwned __ret = " << fn.name << "(";
        for (int a = 0; a < fn.arity; ++a) os << (a == 0 ? "__payload.clone()" : ", JsOwned()");
        os << ");\n";
        os << "        return js_clone_value(__ret.borrow());\n";
        os << "    }\n";
    }
}

// A long if-chain costs the C++ compiler milliseconds per function even unoptimised, so a long list is
// a table of constant rows instead, searched in listing order. A compiled function is called through
// the runtime's thunk for its number of parameters (one per arity in the whole program), a function
// held in a variable through its value; either way with the payload as the only argument.
void writeDispatchTable(const std::vector<FnInfo>& fns, std::ostringstream& os) {
    os << "struct __orvan_hybrid_aot_fn {\n"
          "    const char* name;\n"
          "    void (*fp)();\n"
          "    JsValue (*thunk)(void (*)(), int, const JsValue*);\n"
          "    const JsOwned* value;\n"
          "    int argc;\n"
          "};\n";
    os << "static const __orvan_hybrid_aot_fn __orvan_hybrid_aot_fns[] = {\n";
    for (const FnInfo& fn : fns) {
        os << "    {\"" << CEmitter::escapeString(jsNameOf(fn.name)) << "\", ";
        if (fn.declared) {
            std::string params;
            for (int a = 0; a < fn.arity; ++a) params += a == 0 ? "JsOwned" : ", JsOwned";
            // The static_cast keeps the check that the callee has the signature the thunk assumes.
            os << "reinterpret_cast<void (*)()>(static_cast<JsOwned (*)(" << params << ")>(&" << fn.name
               << ")), &js_detail::compiled_thunk<" << params << ">, nullptr, ";
        } else {
            os << "nullptr, nullptr, &" << fn.name << ", ";
        }
        os << (fn.arity > 0 ? 1 : 0) << "},\n";
    }
    os << "};\n\n";
}

}  // namespace

void CEmitter::emitHybridAotDispatch(const Module& entry, std::ostringstream& os) {
    const std::vector<FnInfo> fns = listCallable(entry);
    bool anyParams = false;
    for (const FnInfo& fn : fns) anyParams = anyParams || fn.arity > 0;
    const bool table = fns.size() > kDispatchChain;
    if (table) writeDispatchTable(fns, os);
    os << "static JsValue __orvan_hybrid_call_aot(const char* name, const char* json) {\n";
    os << "    if (!name || !*name) return JS_UNDEFINED();\n";
    if (anyParams)
        os << "    JsOwned __payload = JsOwned::from_value(JS_STR(json ? json : \"\"));\n";
    else
        os << "    (void)json;\n";
    if (!table) {
        writeDispatchChain(fns, os);
    } else {
        os << "    for (const __orvan_hybrid_aot_fn& fn : __orvan_hybrid_aot_fns) {\n"
              "        if (strcmp(name, fn.name) != 0) continue;\n";
        os << (anyParams ? "        const JsValue* argv = &__payload.borrow();\n"
                         : "        const JsValue none;\n        const JsValue* argv = &none;\n");
        os << "        if (fn.value) return js_call_argv(fn.value->borrow(), fn.argc, argv);\n"
              "        return fn.thunk(fn.fp, fn.argc, argv);\n"
              "    }\n";
    }
    os << "    return JS_UNDEFINED();\n";
    os << "}\n\n";
}
