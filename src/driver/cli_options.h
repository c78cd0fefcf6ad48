#pragma once
#include <string>
#include <vector>

// Everything the command line can say, filled in one pass by the argument loop.
// Nothing is ever reset: a repeated option overwrites a string or leaves a flag set.
struct CliOptions {
    bool compile = false;
    bool printC = false;
    bool bundleNpm = false;
    std::string bundleRoot;
    std::string bundlePlatform = "neutral";
    bool init = false;
    std::string initDir;
    bool project = false;
    std::string projectDir;
    bool initBuild = false;
    bool run = false;
    bool timing = false;
    bool noInlineHtml = false;
    std::string output;
    std::string cflags;
    std::string input;
    std::vector<std::string> runArgs;
};
