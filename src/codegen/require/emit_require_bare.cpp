// require() of a bare specifier: the runtime's built-in module, or the unsupported-package marker.
#include <cstdio>

#include "codegen/cemitter.h"
#include "support/identifiers.h"
#include "frontend/builtin_modules.h"

void CEmitter::emitBareRequireExpr(const std::string& specifier, std::ostringstream& os) {
    if (findBuiltinModule(specifier)) {
        os << "js_node_require(JS_STR(\"" << escapeString(specifier) << "\"))";
        return;
    }
    std::fprintf(stderr,
                 "orvan: warning: require('%s') is not a known Node.js builtin and was not resolved to a file "
                 "\xE2\x80\x94 emitting undefined.\n",
                 specifier.c_str());
    os << "js_require_unsupported_" << sanitizeIdent(specifier)
       << "() /* unsupported package: " << escapeString(specifier) << " */";
}
