// The dispatcher through which a hybrid program's island calls the compiled functions of the entry module.
#include <algorithm>

#include "codegen/cemitter.h"
#include "codegen/cxx_names.h"
#include "codegen/text_helpers.h"

namespace {

// Functions per part of a long dispatcher.
constexpr size_t kDispatchPart = 32;

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

// One if-block per function; `found` is the text that hands the call's fresh value back.
void writeDispatchCases(const std::vector<FnInfo>& fns, size_t from, size_t to, const std::string& found,
                        std::ostringstream& os) {
    for (size_t i = from; i < to; ++i) {
        const FnInfo& fn = fns[i];
        os << "    if (strcmp(name, \"" << CEmitter::escapeString(jsNameOf(fn.name)) << "\") == 0) {\n";
        // The payload is the first argument; further parameters receive undefined.
        os << "        JsOwned __ret = " << fn.name << "(";
        for (int a = 0; a < fn.arity; ++a) os << (a == 0 ? "__payload.clone()" : ", JsOwned()");
        os << ");\n";
        os << "        " << found << "\n";
        os << "    }\n";
    }
}

}  // namespace

void CEmitter::emitHybridAotDispatch(const Module& entry, std::ostringstream& os) {
    const std::vector<FnInfo> fns = listCallable(entry);
    bool anyParams = false;
    for (const FnInfo& fn : fns) anyParams = anyParams || fn.arity > 0;
    // A long if-chain in one function costs the optimiser far more than linear time; past one part's
    // worth of functions the chain is cut into part functions tried in turn, left unoptimised since a
    // call from the island costs far more than the search.
    std::vector<size_t> partStarts;
    if (fns.size() > kDispatchPart)
        for (size_t i = 0; i < fns.size(); i += kDispatchPart) partStarts.push_back(i);
    for (size_t p = 0; p < partStarts.size(); ++p) {
        os << "__attribute__((noinline, optimize(\"O0\"))) static bool __orvan_hybrid_call_aot_part_" << p + 1
           << "(const char* name, " << (anyParams ? "const JsOwned& __payload, " : "") << "JsValue* __result) {\n";
        writeDispatchCases(fns, partStarts[p], std::min(fns.size(), partStarts[p] + kDispatchPart),
                           "*__result = js_clone_value(__ret.borrow());\n        return true;", os);
        os << "    return false;\n}\n\n";
    }
    os << "static JsValue __orvan_hybrid_call_aot(const char* name, const char* json) {\n";
    os << "    if (!name || !*name) return JS_UNDEFINED();\n";
    if (anyParams)
        os << "    JsOwned __payload = JsOwned::from_value(JS_STR(json ? json : \"\"));\n";
    else
        os << "    (void)json;\n";
    if (partStarts.empty()) {
        writeDispatchCases(fns, 0, fns.size(), "return js_clone_value(__ret.borrow());", os);
    } else {
        os << "    JsValue __result;\n";
        for (size_t p = 0; p < partStarts.size(); ++p)
            os << "    if (__orvan_hybrid_call_aot_part_" << p + 1 << "(name, " << (anyParams ? "__payload, " : "")
               << "&__result)) return __result;\n";
    }
    os << "    return JS_UNDEFINED();\n";
    os << "}\n\n";
}
