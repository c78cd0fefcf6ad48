#pragma once
#include <filesystem>
#include <string>
#include <vector>

// Whole-file readers. Both throw std::runtime_error when the path is not a
// regular file (missing, a folder, a device or a pipe) or cannot be opened:
// a folder must never read as an empty source, and /dev/zero never ends.
std::string readFileToString(const std::string& path);
std::vector<unsigned char> readFileToBytes(const std::filesystem::path& path);

// True when `path` names a regular file (links followed).
bool isRegularFile(const std::filesystem::path& path);
