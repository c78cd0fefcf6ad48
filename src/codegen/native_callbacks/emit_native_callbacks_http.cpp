#include "codegen/cemitter.h"
#include "support/identifiers.h"

// Handlers named in http.createServer(...) that are entry functions, each with its adapter's name:
// "__jsc_http_th_" + the sanitised name, with a counter appended when an earlier handler took it.
// Any other handler is handed to the runtime as the function value it is (see emitCreateServer).
std::vector<std::pair<std::string, std::string>> CEmitter::httpAdapters() const {
    std::vector<std::pair<std::string, std::string>> out;
    if (!modules || modules->empty()) return out;
    std::set<std::string> taken;
    for (const std::string& handler : httpHandlerIds) {
        if (!compiledArity.count(handler)) continue;
        const std::string base = "__jsc_http_th_" + sanitizeIdent(handler);
        std::string adapter = base;
        for (int n = 2; taken.count(adapter); ++n) adapter = base + "_" + std::to_string(n);
        taken.insert(adapter);
        out.emplace_back(handler, adapter);
    }
    return out;
}

void CEmitter::emitPendingHttpThunkDecls(std::ostringstream& out) {
    const auto adapters = httpAdapters();
    for (const auto& adapter : adapters) out << "static JsValue " << adapter.second << "(int argc, JsValue* argv);\n";
    if (!adapters.empty()) out << "\n";
}

// Each adapter hands the first two arguments, as owning copies, to the handler's parameters.
void CEmitter::emitPendingHttpThunkBodies(std::ostringstream& out) {
    for (const auto& adapter : httpAdapters()) {
        out << "static JsValue " << adapter.second << "(int argc, JsValue* argv) {\n";
        out << "    JsOwned a = argc > 0 ? JsOwned::from_value(js_clone_value(argv[0])) : JsOwned();\n";
        out << "    JsOwned b = argc > 1 ? JsOwned::from_value(js_clone_value(argv[1])) : JsOwned();\n";
        out << "    (void)" << adapter.first << "(";
        const int arity = compiledArity.at(adapter.first);
        for (int i = 0; i < arity; ++i)
            out << (i ? ", " : "") << (i == 0 ? "std::move(a)" : i == 1 ? "std::move(b)" : "JsOwned()");
        out << ");\n";
        out << "    return js_undefined();\n";
        out << "}\n\n";
    }
    httpHandlerIds.clear();
}
