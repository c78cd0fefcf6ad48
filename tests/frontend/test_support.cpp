#include "test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "frontend/module_resolver.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "orvan-frontend-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    dir = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(dir, ec);
}

std::string TempDir::write(const std::string& relative, const std::string& content) const {
    fs::path file = dir / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    return file.generic_string();
}

ScopedEnv::ScopedEnv(const char* n, std::optional<std::string> value) : name(n) {
    if (const char* old = std::getenv(n)) saved = old;
    if (value)
        setenv(n, value->c_str(), 1);
    else
        unsetenv(n);
}

ScopedEnv::~ScopedEnv() {
    if (saved)
        setenv(name.c_str(), saved->c_str(), 1);
    else
        unsetenv(name.c_str());
}

ScopedCwd::ScopedCwd(const fs::path& dir) : saved(fs::current_path()) { fs::current_path(dir); }

ScopedCwd::~ScopedCwd() { fs::current_path(saved); }

JSContext* sharedContext() {
    static QjsGuard guard;
    static bool loaded = false;
    if (!loaded) {
        bootstrapQjs(guard.ctx, ORVAN_TEST_ROOT);
        loaded = true;
    }
    return guard.ctx;
}

ASTNode parseProgram(const std::string& source) {
    std::string text = ModuleResolver::parseScriptToAstJson(sharedContext(), source, "test.js");
    return Parser::parseNode(nlohmann::json::parse(text));
}
