#pragma once
#include <filesystem>
#include <string>

// The keys of "orvan.config.json" that a build reads; any other key is ignored.
struct ProjectConfig {
    std::string publicDir = "public";
    std::string entry = "src/main.js";
    bool bundleDependencies = false;
    std::string bundlePlatform = "neutral";
    bool controlPlane = false;
    bool hybrid = false;
    std::string quickjsIsland;
};

// Reads the configuration file. A file that is not JSON, not an object, or holds a
// key of the wrong type fails with the JSON library's message; contradictory modes
// and a hybrid build without an island fail with their own messages.
ProjectConfig readProjectConfig(const std::filesystem::path& file);
