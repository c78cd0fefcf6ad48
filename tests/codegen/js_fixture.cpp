#include "js_fixture.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "support/file_readers.h"
#include "frontend/engine_host.h"
#include "frontend/module_resolver.h"

namespace {

JSContext* parserContext() {
    static std::unique_ptr<QjsGuard> guard;
    if (!guard) {
        setenv("JSC_NO_BABEL", "1", 1);
        guard = std::make_unique<QjsGuard>();
        qjsEvalScript(guard->ctx, readFileToString(std::string(ORVAN_SOURCE_DIR) + "/esprima.js"), "esprima.js");
    }
    return guard->ctx;
}

// Keeps the trees alive for tests that hold references into them.
std::vector<std::unique_ptr<ASTNode>>& keptTrees() {
    static std::vector<std::unique_ptr<ASTNode>> trees;
    return trees;
}

}  // namespace

ASTNode parseProgram(const std::string& source) {
    const std::string json = ModuleResolver::parseScriptToAstJson(parserContext(), source, "<test>");
    return Parser::parseNode(nlohmann::json::parse(json));
}

std::vector<Module> resolveProgram(const std::map<std::string, std::string>& files, const std::string& entry) {
    static std::atomic<int> counter{0};
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("orvan_codegen_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    fs::create_directories(dir);
    for (const auto& f : files) {
        fs::create_directories((dir / f.first).parent_path());
        std::ofstream(dir / f.first) << f.second;
    }
    std::vector<Module> list = ModuleResolver::resolve((dir / entry).generic_string(), parserContext());
    fs::remove_all(dir);
    return list;
}

std::string emitProgram(const std::string& source, bool hybrid) {
    std::vector<Module> list = resolveProgram({{"main.js", source}}, "main.js");
    CEmitter em;
    return em.emitModules(list, hybrid);
}

std::string exprText(CEmitter& em, const std::string& source, char form) {
    keptTrees().push_back(std::make_unique<ASTNode>(parseProgram(source)));
    const ASTNode& expr = keptTrees().back()->children.at(0).children.at(0);
    std::ostringstream os;
    switch (form) {
        case 'V': em.emitValue(expr, os); break;
        case 'O': em.emitOwned(expr, os); break;
        case 'A': em.emitCallArg(expr, os); break;
        default: em.emitExpr(expr, os);
    }
    return os.str();
}

std::string stmtText(CEmitter& em, const std::string& source, int level) {
    keptTrees().push_back(std::make_unique<ASTNode>(parseProgram(source)));
    std::ostringstream os;
    for (const ASTNode& stmt : keptTrees().back()->children) em.emitStmt(stmt, os, level);
    return os.str();
}

std::string section(const std::string& text, const std::string& from, const std::string& to) {
    std::istringstream in(text);
    std::string line, out;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!inside && line.rfind(from, 0) == 0) inside = true;
        if (inside) out += line + "\n";
        if (inside && line == to) break;
    }
    return out;
}
