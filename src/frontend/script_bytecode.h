#pragma once
#include <string>

#include "frontend/engine_api.h"

// The parser scripts compiled to engine bytecode ahead of time. Parsing
// babel.min.js takes most of a small program's compile, so the build writes
// "<script>.bytecode" beside each script; a compile evaluates that instead of
// the text when it was made from exactly the text found.
//
// File layout: "orvan-script-bytecode\n", the 64-bit hash and the length of
// the script text, the length of the bytecode, the bytecode, and the hash of
// the bytecode (all numbers little-endian, 8 bytes).

// Compiles text (errors name it `name`) into the file's bytes; throws
// "orvan: <name>: <exception text>" when the script does not compile.
std::string scriptBytecodeFile(JSContext* ctx, const std::string& text, const char* name);

// Evaluates the bytecode of `file` when it holds bytecode made from `text`;
// false (nothing evaluated) when the file is missing, stale or damaged. An
// exception thrown while running it becomes "orvan: <name>: <exception text>".
bool evalScriptBytecode(JSContext* ctx, const std::string& text, const std::string& file,
                        const char* name);
