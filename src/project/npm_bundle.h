#pragma once
#include <filesystem>
#include <string>

namespace jsc_npm_bundle {

// Bundles `entry` with its npm dependencies (resolved from `projectRoot`) into the
// one JavaScript file `outFile`, by running tools/jsc-npm-bundle/bundle.mjs from the
// installation folder `root` under Node.js ("ORVAN_NODE", default "node").
// Throws std::runtime_error with the user's message on failure.
void run(const std::string& root, const std::string& entry, const std::string& projectRoot,
         const std::string& outFile, const std::string& platform);

}  // namespace jsc_npm_bundle

// The nearest folder at or above the entry's folder (64 at most) holding a
// regular "package.json"; the entry's folder when none does.
std::string npmProjectRootForEntry(const std::filesystem::path& entry);

// Whether the package.json at `packageJson` lists react or react-dom as a
// dependency, dev dependency or peer dependency.
bool packageLooksReactProject(const std::filesystem::path& packageJson);
