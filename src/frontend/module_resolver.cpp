#include "frontend/module_resolver.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <utility>

#include "frontend/engine_host.h"
#include "frontend/lone_surrogates.h"
#include "frontend/source_text.h"
#include "frontend/syntax_tree_reader.h"
#include "support/file_readers.h"
#include "support/identifiers.h"

namespace fs = std::filesystem;

std::vector<Module> ModuleResolver::resolve(const std::string& entryPath, JSContext* ctx) {
    ModuleResolver resolver(ctx);
    resolver.visit(entryPath);
    return std::move(resolver.modules);
}

void ModuleResolver::visit(const std::string& path) {
    // A file reached again (around a cycle or under another spelling) is not parsed twice;
    // in a cycle the file that required it back simply comes first.
    if (!visited.insert(canonicalPath(path)).second) return;
    Module module;
    module.path = path;
    module.id = takeId(path);
    module.ast = parseFile(path);

    std::vector<std::string> specs;
    scanRequires(module.ast, specs);
    for (const std::string& specifier : specs) {
        if (specifier.size() > 1 && (specifier.rfind("./", 0) == 0 || specifier.rfind("../", 0) == 0))
            visit(resolvePath(path, specifier));
    }
    extractExports(module.ast, module);
    modules.push_back(std::move(module));
}

std::string ModuleResolver::takeId(const std::string& path) {
    std::string base = path.substr(path.rfind('/') + 1);
    std::size_t dot = base.rfind('.');
    if (dot != std::string::npos) base.erase(dot);
    const std::string idBase = "mod_" + sanitizeIdent(base);

    // A base that itself ends in "_<n>" can collide with a counted id; skip ids already taken.
    int& count = idCounts[idBase];
    std::string id = count == 0 ? idBase : idBase + "_" + std::to_string(count);
    while (takenIds.count(id)) id = idBase + "_" + std::to_string(++count);
    ++count;
    takenIds.insert(id);
    return id;
}

namespace {

// Babel's output does not keep the user's line numbers (it adds a directive and a
// blank line at the top), so a parse error in it would point at the wrong line.
// When the transformed text fails, the user's own text is parsed: if it fails as
// well, that error, in the user's lines, is the one reported.
std::string parseWithUserLines(JSContext* ctx, const std::string& text, const std::string& transformed,
                               const std::string& path) {
    try {
        return ModuleResolver::parseScriptToAstJson(ctx, transformed, path);
    } catch (const std::runtime_error&) {
        if (transformed == text) throw;
        ModuleResolver::parseScriptToAstJson(ctx, text, path);
        throw;
    }
}

}  // namespace

ASTNode ModuleResolver::parseFile(const std::string& path) {
    std::string astJson;
    {
        std::optional<std::string> read = readWholeFile(path);
        if (!read) throw std::runtime_error("orvan: cannot open: " + path);
        const std::string text = prepareSourceText(*read, path);
        read.reset();
        roughValidateDynamicImportSource(text, path);
        const std::string transformed = babelTransformSource(ctx, text, path);
        astJson = parseWithUserLines(ctx, text, transformed, path);
    }
    bool sheltered = false;
    astJson = shelterLoneSurrogates(std::move(astJson), &sheltered);
    try {
        return readSyntaxTree(astJson, sheltered);
    } catch (const SyntaxTreeTooDeep&) {
        throw std::runtime_error("orvan: " + path + ": code nested too deeply (syntax tree deeper than " +
                                 std::to_string(kMaxSyntaxTreeDepth) + " levels)");
    }
}

std::string ModuleResolver::resolvePath(const std::string& fromPath, const std::string& specifier) {
    std::size_t slash = fromPath.rfind('/');
    std::string folder = slash == std::string::npos ? "." : fromPath.substr(0, slash);
    std::string r = folder + "/" + specifier;
    if (r.size() > 2 && r.compare(r.size() - 3, 3, ".js") == 0) return r;
    return r + ".js";
}

std::string ModuleResolver::canonicalPath(const std::string& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec);
    if (ec) canonical = fs::absolute(path, ec).lexically_normal();
    return canonical.generic_string();
}
