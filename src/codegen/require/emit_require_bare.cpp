#include <cstdio>
#include <string>

#include "codegen/cemitter.h"
#include "support/identifiers.h"
#include "frontend/builtin_modules.h"

void CEmitter::emitBareRequireExpr(const std::string& spec, std::ostringstream& os) {
    if (findBuiltinModule(spec)) {
        os << "js_node_require(JS_STR(\"" << escapeString(spec) << "\"))";
        return;
    }
    std::fprintf(stderr,
                 "orvan: warning: require('%s') is not a known Node.js builtin and was not resolved to a file "
                 "\xE2\x80\x94 emitting undefined.\n",
                 spec.c_str());
    // The specifier is the user's text: a "*/" inside it must not end the comment.
    std::string shown = escapeString(spec);
    for (std::size_t at = 0; (at = shown.find("*/", at)) != std::string::npos; at += 3) shown.replace(at, 2, "*\\/");
    os << "js_require_unsupported_" << sanitizeIdent(spec) << "() /* unsupported package: " << shown << " */";
}
