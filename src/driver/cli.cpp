#include "driver/cli.h"
#include "driver/standard_output.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

void printUsage(const char* argv0) {
    const std::string a0 = argv0 ? argv0 : "";
    std::cerr << "Orvan " << kOrvanVersion << " \u2014 JavaScript-to-native compiler\n\n"
              << "Usage:\n"
              << "  " << a0 << " -compile <input.js> [-o out] [-cflags \"extra\"]\n"
              << "      [-bundle-npm [-bundle-root <dir>] [-bundle-platform neutral|browser|node]]\n"
              << "  " << a0 << " -init [<dir>]\n"
              << "  " << a0 << " -build [<dir>] [-o app] [--no-inline-html]\n"
              << "  " << a0 << " run [<dir>] [--time] [--benchmark] [-- args...]\n"
              << "  " << a0 << " --print-c <input.js>\n"
              << "  " << a0 << " --version\n\n"
              << "Tip: run with --print-c to inspect the generated C++ for any input.\n"
              << "Tip: unsupported JS features? Move them to src/island.js (full JS).\n";
}

static bool startsWithDash(const std::string& s) { return !s.empty() && s[0] == '-'; }

std::optional<int> parseCommandLine(int argc, char** argv, CliOptions& opts) {
    if (argc < 2) {
        printUsage(argc > 0 ? argv[0] : "");
        return 1;
    }
    int i = 1;
    while (i < argc) {
        const std::string arg = argv[i];
        const bool hasNext = i + 1 < argc;
        if (arg == "--version" || arg == "-version") {
            return writeStandardOutput(std::string("orvan ") + kOrvanVersion + "\n") ? 0 : 1;
        } else if (arg == "-compile") {
            opts.compile = true;
            i += 1;
        } else if (arg == "--print-c") {
            opts.printC = true;
            i += 1;
        } else if (arg == "-bundle-npm") {
            opts.bundleNpm = true;
            i += 1;
        } else if (arg == "-bundle-root" && hasNext) {
            opts.bundleRoot = argv[i + 1];
            i += 2;
        } else if (arg == "-bundle-platform" && hasNext) {
            opts.bundlePlatform = argv[i + 1];
            i += 2;
        } else if (arg == "-init" || (arg == "init" && !opts.project)) {
            opts.init = true;
            if (hasNext && !startsWithDash(argv[i + 1])) {
                opts.initDir = argv[i + 1];
                i += 2;
            } else {
                opts.initDir = ".";
                i += 1;
            }
        } else if (arg == "-build" || arg == "build" || arg == "run" || arg == "init") {
            opts.project = true;
            if (arg == "run") opts.run = true;
            if (!hasNext) {
                opts.projectDir = ".";
                i += 1;
            } else if (std::string(argv[i + 1]) == "init") {
                if (i + 2 >= argc) {
                    std::cerr << "orvan: " << arg << " init requires <dir>\n";
                    return 1;
                }
                opts.initBuild = true;
                opts.projectDir = argv[i + 2];
                i += 3;
            } else if (startsWithDash(argv[i + 1])) {
                opts.projectDir = ".";
                i += 1;
            } else {
                opts.projectDir = argv[i + 1];
                i += 2;
            }
        } else if (arg == "--time" || arg == "--benchmark") {
            opts.timing = true;
            i += 1;
        } else if (arg == "--") {
            for (int k = i + 1; k < argc; ++k) opts.runArgs.push_back(argv[k]);
            break;
        } else if (arg == "--no-inline-html") {
            opts.noInlineHtml = true;
            i += 1;
        } else if ((arg == "-o" || arg == "--output") && hasNext) {
            opts.output = argv[i + 1];
            i += 2;
        } else if (arg == "-cflags" && hasNext) {
            opts.cflags = argv[i + 1];
            i += 2;
        } else if (startsWithDash(arg)) {
            printUsage(argv[0]);
            return 1;
        } else {
            opts.input = arg;
            i += 1;
        }
    }
    return std::nullopt;
}

std::string binDir(const char* argv0) {
    char buf[4096 + 1];
    std::memset(buf, 0, sizeof buf);
    const ssize_t n = readlink("/proc/self/exe", buf, 4096);
    if (n > 0) {
        buf[n] = '\0';
        return fs::absolute(fs::path(buf)).parent_path().generic_string();
    }
    return binDirFromArgv0(argv0);
}

std::string binDirFromArgv0(const char* argv0) {
    const std::string a0 = argv0 ? argv0 : "";
    if (!a0.empty() && a0[0] == '/') return fs::path(a0).parent_path().generic_string();
    const std::string head = a0.substr(0, 4095);
    return fs::absolute(fs::current_path() / head).parent_path().generic_string();
}

void reportSingleFileFailure(const std::string& message) {
    std::cerr << message << "\n";
    for (const char* word : {"parse error", "Unexpected", "Unimplemented", "SyntaxError"}) {
        if (message.find(word) != std::string::npos) {
            std::cerr << "\nTips:\n"
                      << "  \u2022 Run with --print-c to inspect the generated C++.\n"
                      << "  \u2022 Move unsupported code to src/island.js for full JS support.\n"
                      << "  \u2022 Set ORVAN_STRICT_UNSUPPORTED=1 to turn warnings into errors.\n";
            return;
        }
    }
}
