#include "codegen/cemitter.h"
#include "codegen/cxx_names.h"
#include "codegen/runtime_globals.h"

bool CEmitter::isBoundName(const std::string& name) const {
    return isOwnedName(name) || scope.count(name) || findRuntimeGlobal(name) ||
           (inEntryModule() && compiledArity.count(name));
}

std::string CEmitter::unboundNameText(const std::string& name) const {
    if (isBoundName(name)) return name;
    const std::string jsName = jsNameOf(name);
    // Name lookup is const for its callers; the report is its one side effect.
    if (!closureCaptured.count(name))
        const_cast<CEmitter*>(this)->diagUnsupported(
            "undeclared name `" + jsName + "`",
            "Nothing declares `" + jsName + "`; it throws ReferenceError \"" + jsName +
                " is not defined\" where it is evaluated.");
    // js_not_defined throws; the static after the comma is never reached and only gives the text the
    // shape of a variable, so it can also be assigned, incremented and have its address taken.
    return "(js_not_defined(\"" + escapeString(jsName) + "\"), jsc_g_globalThis)";
}
