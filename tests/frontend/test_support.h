#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "frontend/ast.h"
#include "frontend/engine_host.h"
#include "temp_dir.h"

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
