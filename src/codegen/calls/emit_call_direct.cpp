#include "codegen/cemitter.h"

// Calls whose callee is a plain name: the global functions, a function destructured from a bare
// require, `require` itself, a compiled function, and a value that holds a function.
void CEmitter::emitIdentifierCall(const ASTNode& call, const std::vector<const ASTNode*>& args,
                                  std::ostringstream& os, bool borrowResult) {
    const ASTNode& callee = call.children[0];
    const std::string name = identName(callee);
    if (emitGlobalFunctionCall(name, args, os)) return;
    if (bareRequireDestructured.count(name)) {
        os << "js_call(" << name << ".borrow(), ";
        emitCountedValues(args, os);
        os << ")";
        return;
    }
    if (name == "require" && !isBoundName(name)) {
        emitRequireCall(call, os, borrowResult);
        return;
    }
    // An unknown callee throws ReferenceError before any argument is evaluated.
    if (!isBoundName(name)) {
        os << unboundNameText(name);
        return;
    }
    if (!callsCompiledFunction(name, args.size())) {
        emitValueCall(callee, args, os, borrowResult);
        return;
    }
    os << resolve(name) << "(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) os << ", ";
        emitArgOwned(*args[i], os);
    }
    os << ")";
    if (borrowResult) os << ".borrow()";
}

// A call through the runtime of whatever value the callee yields (a called function expression, the
// result of another call, a variable, parameter or property holding a function); `this` is undefined.
void CEmitter::emitValueCall(const ASTNode& callee, const std::vector<const ASTNode*>& args, std::ostringstream& os,
                             bool borrowResult) {
    os << "JsOwned::from_value(js_call(";
    emitArgValue(callee, os);
    os << ", ";
    emitCountedValues(args, os);
    os << "))";
    if (borrowResult) os << ".borrow()";
}

// require(...) outside the declarations that bind it: a relative module runs its initialiser and yields
// its exports, a built-in module the runtime's module, anything else the unsupported-package marker.
void CEmitter::emitRequireCall(const ASTNode& call, std::ostringstream& os, bool borrowResult) {
    const std::string spec = requireArg(call);
    if (isRelativeRequire(spec)) {
        const Module* m = findRequiredModule(spec);
        const std::string value = m ? "(" + m->id + "_init(), " + m->id + "_exports)" : "JS_UNDEFINED()";
        os << (borrowResult ? value : "JsOwned::from_borrowed(" + value + ")");
        return;
    }
    os << "JsOwned::from_value(";
    emitBareRequireExpr(spec, os);
    os << ")";
    if (borrowResult) os << ".borrow()";
}

// A direct C++ call: the name is no local that shadows a compiled function, names one, and the call
// passes exactly as many arguments as it declares.
bool CEmitter::callsCompiledFunction(const std::string& name, size_t argc) const {
    if (!isBoundName(name) || (ownedLocals.count(name) && !entryStatics.count(name)) || heldInSlot(name))
        return false;
    const std::string cxx = resolve(name);
    auto arity = compiledArity.find(cxx);
    return isCompiledFunction(name, cxx) && arity->second == static_cast<int>(argc);
}

// The callee names a C++ function the generator writes: a dependency module's or a hoisted function
// bound in `scope`, or one of the entry module's own functions while the entry is written.
bool CEmitter::isCompiledFunction(const std::string& name, const std::string& cxx) const {
    return compiledArity.count(cxx) && (scope.count(name) || inEntryModule());
}

bool CEmitter::inEntryModule() const {
    return modules && !modules->empty() && currentModulePath == modules->back().path;
}
