#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>

#include "codegen/cemitter.h"
#include "driver/cli.h"
#include "driver/exclusive_temp_file.h"
#include "driver/flows.h"
#include "driver/invoke_compiler.h"
#include "driver/output_checks.h"
#include "driver/standard_output.h"
#include "frontend/engine_host.h"
#include "frontend/module_resolver.h"
#include "project/npm_bundle.h"

namespace fs = std::filesystem;

namespace {

std::string hashText(const std::string& s) { return std::to_string(std::hash<std::string>{}(s)); }

std::string compilerWord() {
    const char* cxx = std::getenv("CXX");
    return (cxx && *cxx) ? cxx : "c++";
}

void removeIfPresent(const std::string& path) {
    if (!path.empty() && fs::exists(path)) fs::remove(path);
}

// Joins the entry with its npm dependencies into one temporary file; returns its path.
std::string bundleEntry(const CliOptions& opts, const std::string& root, const std::string& entry) {
    const std::string projectRoot = opts.bundleRoot.empty()
                                        ? npmProjectRootForEntry(opts.input)
                                        : fs::absolute(opts.bundleRoot).generic_string();
    const fs::path bundle = fs::temp_directory_path() / ("orvan-npm-" + hashText(entry) + ".js");
    const std::string bundleAbs = fs::absolute(bundle).generic_string();
    jsc_npm_bundle::run(root, entry, projectRoot, bundleAbs, opts.bundlePlatform);
    return bundleAbs;
}

std::vector<Module> resolveModules(const std::string& entry, JSContext* ctx,
                                   const std::string& bundlePath) {
    try {
        std::vector<Module> modules = ModuleResolver::resolve(entry, ctx);
        removeIfPresent(bundlePath);
        return modules;
    } catch (...) {
        removeIfPresent(bundlePath);
        throw;
    }
}

void compileText(const CliOptions& opts, const std::string& root, const std::string& text) {
    const fs::path cppFile = writeExclusiveTempFile(
        fs::temp_directory_path() / ("orvan_compile_" + std::to_string(getpid()) + "_" + hashText(opts.output) + ".cc"),
        text);
    invokeCompiler(root, compilerWord(), fs::weakly_canonical(cppFile), opts.output, text, false,
                   fs::path(), opts.cflags);
    fs::remove(cppFile);
    std::cerr << "orvan: compiled -> " << opts.output << "\n";
}

}  // namespace

int runSingleFilePipeline(CliOptions& opts, const std::string& root) {
    QjsGuard guard;
    if (!guard.rt || !guard.ctx) {
        std::cerr << "orvan: QuickJS unavailable\n";
        return 1;
    }
    try {
        if (opts.compile) checkOutputPath(opts.output, opts.input);
        bootstrapQjs(guard.ctx, root);
        std::string entry = fs::absolute(opts.input).generic_string();
        std::string bundlePath;
        if (opts.bundleNpm) {
            bundlePath = bundleEntry(opts, root, entry);
            entry = bundlePath;
        }
        auto modules = std::make_unique<std::vector<Module>>(resolveModules(entry, guard.ctx, bundlePath));
        const std::string text = CEmitter().emitModules(*modules, false);
        if (opts.compile) {
            // The trees are done with: their memory goes back before the C++ compiler needs its own.
            modules.reset();
        } else {
            // Nothing runs after the text is printed, and the trees' destructors do nothing but free
            // memory: handing back millions of small blocks one by one costs a large program about a
            // twentieth of its time, so the process ends with them still held.
            static_cast<void>(modules.release());
        }
        if (opts.printC && !writeStandardOutput(text)) return 1;
        if (opts.compile) compileText(opts, root, text);
    } catch (const std::exception& e) {
        reportSingleFileFailure(e.what());
        return 1;
    }
    return 0;
}
