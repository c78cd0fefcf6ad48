// What a module exports under a symbol.
#include "codegen/cemitter.h"

// The value a module exports under a symbol: a function the module reassigns is exported with the value its
// name holds at that point, any other symbol with its static.
std::string CEmitter::exportedFunctionText(const Module& module, const std::string& symbol) const {
    const std::string prefix = module.id + "_";
    const bool held = symbol.compare(0, prefix.size(), prefix) == 0 && compiledArity.count(symbol) &&
                      reassignedFunctions.count(symbol.substr(prefix.size()));
    return held ? "__jsc_fn_slot<" + symbol + ">()" : symbol;
}
