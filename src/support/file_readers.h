// Reading whole files into memory, in one place for every part of the compiler.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The bytes of a regular file; nullopt when the path is anything else (missing, a
// folder, a device, a pipe) or cannot be opened. Callers word their own error.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Both throw std::runtime_error when readWholeFile gives nothing.
std::string readFileToString(const std::string& path);
std::vector<unsigned char> readFileToBytes(const std::filesystem::path& path);
