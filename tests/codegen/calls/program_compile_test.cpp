#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "calls_fixture.h"

namespace fs = std::filesystem;

namespace {

// Each folder under programs/ is one program: main.js and the files it requires, and expected.out
// with what `node main.js` prints (run against the compiled program by the end-to-end suite).
std::vector<fs::path> programFolders() {
    std::vector<fs::path> out;
    for (const auto& entry : fs::directory_iterator(CALLS_PROGRAMS_DIR))
        if (entry.is_directory()) out.push_back(entry.path());
    std::sort(out.begin(), out.end());
    return out;
}

std::map<std::string, std::string> sourcesOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".js") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        files[fs::relative(entry.path(), folder).generic_string()] = text.str();
    }
    return files;
}

fs::path runtimeInclude() {
    const char* env = std::getenv("ORVAN_RUNTIME_INCLUDE");
    return env && *env ? fs::path(env) : fs::path(ORVAN_SOURCE_DIR) / "src";
}

bool runtimeHeadersAt(const fs::path& dir) {
    for (const char* h : {"js_value.hpp", "js_node.h", "js_globals.h"})
        if (!fs::exists(dir / h)) return false;
    return true;
}

// g++'s verdict on the text: empty when it compiles, its messages otherwise.
std::string syntaxErrors(const std::string& text, const std::string& name) {
    const fs::path file = fs::temp_directory_path() / ("orvan_calls_" + name + "_" + std::to_string(getpid()) + ".cpp");
    std::ofstream(file) << text;
    const std::string cmd =
        "g++ -std=c++17 -fsyntax-only -I \"" + runtimeInclude().string() + "\" \"" + file.string() + "\" 2>&1";
    std::string output;
    if (FILE* pipe = popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) output.append(buf, n);
        if (pclose(pipe) == 0) output.clear();
        else if (output.empty()) output = "g++ failed";
    }
    fs::remove(file);
    return output;
}

}  // namespace

TEST(CallPrograms, GenerateWithoutUnsupportedFeaturesAndCompileAgainstTheRuntime) {
    const bool haveRuntime = runtimeHeadersAt(runtimeInclude());
    for (const fs::path& folder : programFolders()) {
        const std::string name = folder.filename().string();
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(folder / "main.js"));
        std::vector<Module> list = resolveProgram(sourcesOf(folder), "main.js");
        CEmitter em;
        std::string text;
        const std::string err = stderrOf([&] { text = em.emitModules(list, false); });
        EXPECT_EQ(err, "");
        if (haveRuntime) {
            EXPECT_EQ(syntaxErrors(text, name), "");
        }
    }
    if (!haveRuntime) GTEST_SKIP() << "runtime headers not present in " << runtimeInclude();
}
