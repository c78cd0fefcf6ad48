#include "driver/project_config.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "support/file_readers.h"

ProjectConfig readProjectConfig(const std::filesystem::path& file) {
    const nlohmann::json doc = nlohmann::json::parse(readFileToString(file.string()));
    ProjectConfig config;
    config.publicDir = doc.value("publicDir", config.publicDir);
    config.entry = doc.value("entry", config.entry);
    config.bundleDependencies = doc.value("bundleDependencies", config.bundleDependencies);
    config.bundlePlatform = doc.value("bundlePlatform", config.bundlePlatform);
    config.controlPlane = doc.value("controlPlane", config.controlPlane);
    config.hybrid = doc.value("hybrid", config.hybrid);
    config.quickjsIsland = doc.value("quickjsIsland", config.quickjsIsland);

    if (config.controlPlane && config.hybrid)
        throw std::runtime_error("orvan: config: \"controlPlane\" and \"hybrid\" cannot both be true.");
    if (config.hybrid && config.quickjsIsland.empty())
        throw std::runtime_error(
            "orvan: hybrid builds require \"quickjsIsland\" (path to island entry .js) in orvan.config.json.");
    return config;
}
