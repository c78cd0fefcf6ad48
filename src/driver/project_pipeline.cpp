#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "codegen/cemitter.h"
#include "driver/elapsed_ms.h"
#include "support/file_readers.h"
#include "driver/flows.h"
#include "driver/invoke_compiler.h"
#include "driver/page_placeholder.h"
#include "driver/project_config.h"
#include "driver/run_program.h"
#include "frontend/engine_host.h"
#include "frontend/module_resolver.h"
#include "project/asset_table.h"
#include "project/byte_array.h"
#include "project/control_plane.h"
#include "project/html_inline.h"
#include "project/npm_bundle.h"
#include "project/scaffold.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// Where one build reads and writes.
struct ProjectPaths {
    fs::path project;
    fs::path build;
    fs::path publicDir;
    fs::path entry;
    fs::path assetSource;
};

std::string absGeneric(const fs::path& p) { return fs::absolute(p).generic_string(); }

std::string compilerWord() {
    const char* cxx = std::getenv("CXX");
    return (cxx && *cxx) ? cxx : "c++";
}

void writeWhole(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::out | std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    // A stale file of an earlier build must not be compiled in its place.
    if (!out) throw std::runtime_error("orvan: cannot write " + file.generic_string());
}

void requireConfig(const fs::path& project, const char* argv0) {
    if (fs::exists(project / "orvan.config.json")) return;
    const std::string folder = project.generic_string();
    const std::string a0 = argv0 ? argv0 : "";
    throw std::runtime_error("missing orvan.config.json in " + folder +
                             "\n  create a project with:  " + a0 + " -init " + folder +
                             "\n  or in one step:        " + a0 + " -build init " + folder);
}

// A React front end, when package.json asks for one and src holds its entry, is
// bundled into the public folder, where the asset table and the page pick it up.
void bundleReactFrontEnd(const std::string& root, const ProjectPaths& paths) {
    if (!packageLooksReactProject(paths.project / "package.json")) return;
    for (const char* name : {"frontend.jsx", "frontend.tsx", "frontend.js", "frontend.ts"}) {
        const fs::path candidate = paths.project / "src" / name;
        if (!fs::exists(candidate)) continue;
        const fs::path bundle = fs::absolute(paths.publicDir / "app.bundle.js");
        jsc_npm_bundle::run(root, absGeneric(candidate), paths.project.generic_string(),
                            bundle.generic_string(), "browser");
        std::cerr << "orvan: built React frontend bundle " << fs::path(bundle.generic_string()) << "\n";
        return;
    }
}

// The page with its local scripts and style sheets inlined, or empty when there is
// none to inline.
std::string frontEndPage(const CliOptions& opts, const ProjectPaths& paths) {
    const fs::path index = paths.publicDir / "index.html";
    if (opts.noInlineHtml || !fs::exists(index)) return "";
    return jsc_bundle::inlineHtmlDeps(fs::canonical(index), fs::canonical(paths.publicDir));
}

std::string generateCore(const std::string& root, const fs::path& compileEntry, bool hybrid,
                         bool& engineMissing) {
    QjsGuard guard;
    if (!guard.rt || !guard.ctx) {
        engineMissing = true;
        return "";
    }
    bootstrapQjs(guard.ctx, root);
    const std::vector<Module> modules = ModuleResolver::resolve(compileEntry.generic_string(), guard.ctx);
    if (hybrid) ModuleResolver::validateHybridAotGraph(modules);
    CEmitter emitter;
    return emitter.emitModules(modules, hybrid);
}

// The C++ text of the build in its mode; nothing when the engine cannot be created.
std::optional<std::string> generateCpp(const std::string& root, const ProjectConfig& config,
                                       const ProjectPaths& paths, const fs::path& compileEntry) {
    if (config.controlPlane) return emitControlPlaneCpp(readFileToBytes(compileEntry));

    fs::path islandBundle;
    if (config.hybrid) {
        const fs::path island = fs::weakly_canonical(paths.project / config.quickjsIsland);
        if (!fs::exists(island))
            throw std::runtime_error("orvan: hybrid: quickjsIsland file not found: " + island.generic_string());
        islandBundle = paths.build / "island.bundled.js";
        jsc_npm_bundle::run(root, absGeneric(island), paths.project.generic_string(), absGeneric(islandBundle),
                            config.bundlePlatform);
    }
    bool engineMissing = false;
    std::string text = generateCore(root, compileEntry, config.hybrid, engineMissing);
    if (engineMissing) {
        std::cerr << "orvan: could not allocate QuickJS\n";
        return std::nullopt;
    }
    if (config.hybrid) text = emitHybridIslandArray(readFileToBytes(islandBundle)) + text;
    return text;
}

fs::path executablePath(const CliOptions& opts, const ProjectPaths& paths) {
    if (!opts.output.empty()) return fs::absolute(opts.output);
    return paths.build / (paths.project.filename().string() + "_app.bin");
}

void compileProgram(const CliOptions& opts, const std::string& root, const ProjectConfig& config,
                    const ProjectPaths& paths, const fs::path& executable, const std::string& text,
                    bool pageInlined) {
    const bool plain = !config.controlPlane && !config.hybrid;
    const fs::path assets = fs::exists(paths.assetSource) ? fs::path(paths.assetSource.generic_string()) : fs::path();
    if (pageInlined && assets.empty() && plain) throw std::runtime_error("expected embedded assets after bundling.");
    const fs::path cppFile =
        fs::temp_directory_path() / ("orvan_build_" + std::to_string(getpid()) + "_" +
                                     std::to_string(std::hash<std::string>{}(executable.generic_string())) +
                                     ".cc");
    {
        std::ofstream out(cppFile);
        out << text;
    }
    invokeCompiler(root, compilerWord(), fs::weakly_canonical(cppFile), executable.generic_string(), text, plain,
                   assets, opts.cflags);
    fs::remove(cppFile);
}

}  // namespace

int runProjectPipeline(const CliOptions& opts, const std::string& root, const char* argv0) {
    const Clock::time_point t0 = Clock::now();

    ProjectPaths paths;
    paths.project = fs::absolute(opts.projectDir);
    paths.build = paths.project / ".orvan-build";
    fs::create_directories(paths.build);
    if (opts.initBuild) cmdInit(paths.project);
    requireConfig(paths.project, argv0);

    const ProjectConfig config = readProjectConfig(paths.project / "orvan.config.json");
    paths.publicDir = paths.project / config.publicDir;
    paths.entry = paths.project / config.entry;
    paths.assetSource = paths.build / "jsc_assets.cpp";
    if (!fs::exists(paths.entry))
        throw std::runtime_error("orvan: entry file not found: " + paths.entry.generic_string());
    fs::create_directories(paths.publicDir);

    bundleReactFrontEnd(root, paths);
    const std::vector<jsc_embed_gen::EmbedFile> assets = jsc_embed_gen::listPublicRecursive(paths.publicDir);
    if (!assets.empty()) jsc_embed_gen::emitCpp(assets, paths.assetSource);

    std::string entryText = readFileToString(paths.entry.generic_string());
    const std::string page = frontEndPage(opts, paths);
    if (!page.empty() && replacePagePlaceholders(entryText, pageStringLiteral(page)) == 0)
        throw std::runtime_error("src/main.js must contain placeholder __ORVAN_BUNDLE_HTML__");
    fs::path compileEntry = paths.build / "main.entry.js";
    writeWhole(compileEntry, entryText);

    if (config.bundleDependencies) {
        const fs::path bundled = paths.build / "main.bundled.js";
        jsc_npm_bundle::run(root, absGeneric(compileEntry), paths.project.generic_string(), absGeneric(bundled),
                            config.bundlePlatform);
        compileEntry = bundled;
    }

    const std::optional<std::string> text = generateCpp(root, config, paths, compileEntry);
    if (!text) return 1;

    const fs::path executable = executablePath(opts, paths);
    compileProgram(opts, root, config, paths, executable, *text, !page.empty());
    const std::string buildMs = elapsedMs(t0);
    std::cerr << "orvan: built " << executable << "\n";
    if (opts.timing) std::cerr << "orvan benchmark (build): " << buildMs << "ms\n";

    if (!opts.run) {
        if (opts.timing) std::cerr << "\norvan benchmark:\n  build: " << buildMs << "ms\n";
        return 0;
    }
    std::cerr << "orvan: running " << executable << " ...\n";
    return runBuiltProgram(executable.native(), opts.runArgs, opts.timing);
}
