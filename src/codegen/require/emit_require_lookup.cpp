// Finding the module a relative specifier names.
#include <filesystem>
#include <system_error>

#include "codegen/cemitter.h"
#include "frontend/module_resolver.h"

namespace {

// The weakly canonical spelling of a path, or the path itself when the file system cannot tell.
std::string canonicalOrSelf(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : p.generic_string();
}

}  // namespace

const Module* CEmitter::findModule(const std::string& path) const {
    if (!modules || modules->empty()) return nullptr;
    for (const Module& m : *modules)
        if (m.path == path) return &m;
    // One file reached under two spellings is one module: the resolver keeps the first spelling.
    const std::string wanted = canonicalOrSelf(path);
    for (const Module& m : *modules)
        if (canonicalOrSelf(m.path) == wanted) return &m;
    return nullptr;
}

const Module* CEmitter::findRequiredModule(const std::string& specifier) const {
    return findModule(ModuleResolver::resolvePath(currentModulePath, specifier));
}

bool CEmitter::requiresEntry(const std::vector<Module>& list) const {
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        std::vector<std::string> specs;
        ModuleResolver::scanRequires(list[i].ast, specs);
        for (const std::string& specifier : specs)
            if (isRelativeRequire(specifier) &&
                findModule(ModuleResolver::resolvePath(list[i].path, specifier)) == &list.back())
                return true;
    }
    return false;
}
