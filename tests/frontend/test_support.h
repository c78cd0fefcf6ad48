#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "frontend/ast.h"
#include "frontend/engine_host.h"

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes a file (creating its folders) and returns its path in generic form.
    std::string write(const std::string& relative, const std::string& content) const;
    std::string path() const { return dir.generic_string(); }

private:
    std::filesystem::path dir;
};

// Sets (or, with nullopt, unsets) an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value);
    ~ScopedEnv();

private:
    std::string name;
    std::optional<std::string> saved;
};

// Runs the body with another current working folder, restoring the old one afterwards.
class ScopedCwd {
public:
    explicit ScopedCwd(const std::filesystem::path& dir);
    ~ScopedCwd();

private:
    std::filesystem::path saved;
};

// One engine context with both parser libraries from the worktree, shared by all tests.
JSContext* sharedContext();

// The Program tree of a source, parsed by esprima without the Babel step.
ASTNode parseProgram(const std::string& source);

// The message of the std::exception that fn throws, or "" when it throws none.
template <typename Fn>
std::string thrownMessage(Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}
