#include "frontend/builtin_modules.h"

const std::vector<BuiltinModule>& builtinModules() {
    static const std::vector<BuiltinModule> modules = {
        {"fs", false, false},      {"path", false, false},    {"os", false, false},
        {"process", false, false}, {"buffer", false, false},  {"electron", false, false},
        {"events", true, true},    {"util", false, false},    {"assert", false, false},
        {"url", false, false},     {"child_process", false, false}, {"stream", true, true},
        {"crypto", true, true},    {"http", true, true},      {"https", true, true},
        {"net", true, true},       {"tls", true, true},
    };
    return modules;
}

const BuiltinModule* findBuiltinModule(const std::string& specifier) {
    for (const BuiltinModule& m : builtinModules())
        if (specifier == m.name) return &m;
    return nullptr;
}
