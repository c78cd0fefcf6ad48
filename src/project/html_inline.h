#pragma once
#include <filesystem>
#include <string>

// Turns a front-end page into one self-contained text: local style sheets and
// scripts that the page references are inlined. Nothing is written or printed.
namespace jsc_bundle {

// Returns the page with each local stylesheet link replaced by a <style> block and
// each local script src replaced by a <script> block. Text inserted from a file is
// never searched again, so files that name themselves or each other are inlined
// once each. Throws std::runtime_error when the page or an inlined file cannot be read.
std::string inlineHtmlDeps(const std::filesystem::path& pagePath, const std::filesystem::path& publishRoot);

// The file that a page reference names below `root`, or an empty path when the
// reference is empty, absolute, climbs out of the root, names nothing, or leads
// outside the root through a symbolic link.
std::filesystem::path publicChild(const std::filesystem::path& root, const std::filesystem::path& pageDir,
                                  const std::string& reference);

// Whether `candidate` lies inside `root` once symbolic links are resolved; any
// failure while resolving answers false.
bool pathUnderPublishRoot(const std::filesystem::path& root, const std::filesystem::path& candidate);

// Every byte of a file; throws std::runtime_error "cannot read: <path>".
std::string readAll(const std::filesystem::path& path);

}  // namespace jsc_bundle
