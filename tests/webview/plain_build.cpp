// Builds a plain project folder into a web-view program the way `-build`
// does for a plain project: React bundle (when package.json names react and
// src/frontend.jsx exists), asset table of public/, inlined page in place of
// __ORVAN_BUNDLE_HTML__ in src/main.js, C++ generation and the compiler run.
//
//   plain_build <install-root> <project-folder> <executable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "codegen/cemitter.h"
#include "driver/invoke_compiler.h"
#include "frontend/engine_host.h"
#include "frontend/module_resolver.h"
#include "project/asset_table.h"
#include "project/html_inline.h"
#include "project/npm_bundle.h"

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string jsStringLiteral(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\', out += c;
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out + "\"";
}

void build(const std::string& root, const fs::path& project, const std::string& exe) {
    const fs::path buildDir = project / ".orvan-build";
    const fs::path pub = project / "public";
    fs::create_directories(buildDir);
    if (fs::exists(project / "package.json") && packageLooksReactProject(project / "package.json") &&
        fs::exists(project / "src" / "frontend.jsx"))
        jsc_npm_bundle::run(root, fs::absolute(project / "src" / "frontend.jsx").generic_string(),
                            project.generic_string(), fs::absolute(pub / "app.bundle.js").generic_string(),
                            "browser");
    const fs::path assets = buildDir / "jsc_assets.cpp";
    jsc_embed_gen::emitCpp(jsc_embed_gen::listPublicRecursive(pub), assets);

    std::string entry = readText(project / "src" / "main.js");
    const std::string page = jsc_bundle::inlineHtmlDeps(fs::canonical(pub / "index.html"), fs::canonical(pub));
    const std::string placeholder = "__ORVAN_BUNDLE_HTML__";
    const std::string literal = jsStringLiteral(page);
    for (std::size_t at = entry.find(placeholder); at != std::string::npos;
         at = entry.find(placeholder, at + literal.size()))
        entry.replace(at, placeholder.size(), literal);
    const fs::path entryFile = buildDir / "main.entry.js";
    std::ofstream(entryFile) << entry;

    QjsGuard guard;
    bootstrapQjs(guard.ctx, root);
    const std::vector<Module> modules = ModuleResolver::resolve(fs::absolute(entryFile).generic_string(), guard.ctx);
    const std::string text = CEmitter().emitModules(modules, false);
    const fs::path cppFile = buildDir / "main.cc";
    std::ofstream(cppFile) << text;
    const char* cxx = std::getenv("CXX");
    invokeCompiler(root, cxx && *cxx ? cxx : "c++", fs::weakly_canonical(cppFile), exe, text, true, assets,
                   std::getenv("PLAIN_BUILD_CFLAGS") ? std::getenv("PLAIN_BUILD_CFLAGS") : "");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: plain_build <install-root> <project-folder> <executable>\n";
        return 1;
    }
    try {
        build(argv[1], fs::absolute(argv[2]), fs::absolute(argv[3]).generic_string());
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
