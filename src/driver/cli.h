#pragma once
#include <optional>
#include <string>

#include "driver/cli_options.h"

inline constexpr const char* kOrvanVersion = "1.0.0";

// Writes the usage text to standard error; argv0 appears exactly as received.
void printUsage(const char* argv0);

// Runs the argument loop over argv[1..argc). Returns an exit status when the loop
// itself ends the process (version line, usage text, "init requires <dir>"),
// or nothing when the dispatch should go on with `opts`.
std::optional<int> parseCommandLine(int argc, char** argv, CliOptions& opts);

// The folder of the running executable, in generic form without a trailing separator.
std::string binDir(const char* argv0);
// binDir's answer when /proc/self/exe cannot be read.
std::string binDirFromArgv0(const char* argv0);

// What the single-file guard prints for a failure: the message, a newline and,
// when the message names a parse error or a missing feature, the Tips block.
void reportSingleFileFailure(const std::string& message);
