#include "project/npm_bundle.h"

#include <cstdlib>
#include <fstream>
#include <system_error>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "support/shell.h"

namespace fs = std::filesystem;

namespace {

std::string nodeCommand() {
    const char* v = std::getenv("ORVAN_NODE");
    return (v && *v) ? v : "node";
}

bool listsPackage(const nlohmann::json& doc, const char* section, const char* package) {
    if (!doc.is_object() || !doc.contains(section)) return false;
    const auto& deps = doc[section];
    return deps.is_object() && deps.contains(package);
}

}  // namespace

namespace jsc_npm_bundle {

void run(const std::string& root, const std::string& entry, const std::string& projectRoot,
         const std::string& outFile, const std::string& platform) {
    const fs::path script = fs::path(root) / "tools" / "jsc-npm-bundle" / "bundle.mjs";
    const std::string scriptAbs = fs::absolute(script).generic_string();
    if (!fs::exists(script))
        throw std::runtime_error("orvan: missing npm bundle script at " + scriptAbs +
                                 "\n  Expected tools/jsc-npm-bundle beside the compiler binary.");
    const fs::path esbuild =
        fs::path(root) / "tools" / "jsc-npm-bundle" / "node_modules" / "esbuild" / "package.json";
    if (!fs::exists(esbuild))
        throw std::runtime_error(
            "orvan: esbuild not installed.\n  From the compiler repo root run:  make tools-deps\n"
            "  Then retry.");

    const std::string node = nodeCommand();
    if (!runShell(node + " --version >/dev/null 2>&1"))
        throw std::runtime_error("orvan: '" + node +
                                 "' failed (install Node.js or set ORVAN_NODE to the node binary). "
                                 "Required for npm dependency bundling.");

    std::ostringstream cmd;
    cmd << node << " " << shellQuote(scriptAbs) << " " << shellQuote(entry) << " "
        << shellQuote(projectRoot) << " " << shellQuote(outFile) << " "
        << shellQuote(platform);
    if (!runShell(cmd.str()))
        throw std::runtime_error(
            "orvan: npm dependency bundling failed (esbuild). Check stderr and project "
            "imports/package.json.");
}

}  // namespace jsc_npm_bundle

std::string npmProjectRootForEntry(const fs::path& entry) {
    const fs::path start = fs::absolute(entry).parent_path();
    fs::path dir = start;
    for (int i = 0; i < 64; ++i) {
        if (dir.empty()) break;
        if (fs::is_regular_file(dir / "package.json")) return dir.generic_string();
        const fs::path parent = dir.parent_path();
        if (parent == dir) break;
        dir = parent;
    }
    return start.generic_string();
}

bool packageLooksReactProject(const fs::path& packageJson) {
    // Only a regular file can say anything; a folder of that name means no React.
    std::error_code ec;
    if (!fs::is_regular_file(packageJson, ec)) return false;
    std::ifstream in(packageJson);
    if (!in) return false;
    nlohmann::json doc;
    in >> doc;
    for (const char* section : {"dependencies", "devDependencies", "peerDependencies"})
        for (const char* package : {"react", "react-dom"})
            if (listsPackage(doc, section, package)) return true;
    return false;
}
