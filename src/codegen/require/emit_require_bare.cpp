// require() of a bare specifier: the runtime's built-in module, or the unsupported-package marker.
#include <cstdio>
#include <string>

#include "codegen/cemitter.h"
#include "frontend/builtin_modules.h"

std::string CEmitter::builtinModuleName(const std::string& specifier) {
    const std::string bare = specifier.compare(0, 5, "node:") == 0 ? specifier.substr(5) : specifier;
    return findBuiltinModule(bare) ? bare : std::string();
}

// A package that is neither a file of the program nor a built-in module cannot be loaded: its require
// throws "Cannot find module" when it runs, as Node's does, so `try { require('optional') } catch {}` works.
void CEmitter::emitBareRequireExpr(const std::string& specifier, std::ostringstream& os) {
    const std::string builtin = builtinModuleName(specifier);
    if (!builtin.empty()) {
        os << "js_node_require(JS_STR(\"" << escapeString(builtin) << "\"))";
        return;
    }
    std::fprintf(stderr,
                 "orvan: warning: require('%s') is not a known Node.js builtin and was not resolved to a file "
                 "\xE2\x80\x94 it throws \"Cannot find module\" when it runs.\n",
                 specifier.c_str());
    os << "js_node_require(JS_STR(\"" << escapeString(specifier) << "\"))";
}
