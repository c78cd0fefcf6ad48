#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frontend/ast.h"
#include "frontend/module.h"
#include "frontend/engine_api.h"

// Turns an entry file into the ordered list of modules of the program: every module comes
// after the modules it requires, the entry last. One resolver lives for one call of resolve.
class ModuleResolver {
public:
    static std::vector<Module> resolve(const std::string& entryPath, JSContext* ctx);

    // The path a relative specifier names, written in fromPath. Never normalised, so the
    // generator can find modules by the exact same string.
    static std::string resolvePath(const std::string& fromPath, const std::string& spec);

    // The form under which two spellings of one file compare equal (weakly canonical).
    static std::string canonicalPath(const std::string& path);

    static std::string parseScriptToAstJson(JSContext* ctx, const std::string& source, const std::string& path);

    static void scanRequires(const ASTNode& node, std::vector<std::string>& out);
    static void extractExports(const ASTNode& program, Module& m);
    static void applyRhsExports(const ASTNode& rhs, Module& m);
    static bool isModuleExports(const ASTNode& node);
    static std::string propKey(const ASTNode& node);

    // Ahead-of-time checks (see aot_checks.h).
    static void roughValidateDynamicImportSource(const std::string& text, const std::string& path);
    static void validateHybridAotGraph(const std::vector<Module>& modules);
    static void scanHybridAotDynamicExecution(const ASTNode& node, const std::string& path);

private:
    explicit ModuleResolver(JSContext* context) : ctx(context) {}

    void visit(const std::string& path);
    ASTNode parseFile(const std::string& path);
    std::string takeId(const std::string& path);

    JSContext* ctx;
    std::set<std::string> visited;        // canonical forms of the paths visited so far
    std::vector<Module> modules;          // finished modules, post-order
    std::map<std::string, int> idCounts;  // id base -> modules that have taken it
    std::set<std::string> takenIds;
};
