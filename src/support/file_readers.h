#pragma once
#include <filesystem>
#include <string>
#include <vector>

// Whole-file readers. Both throw std::runtime_error when the file cannot be opened.
std::string readFileToString(const std::string& path);
std::vector<unsigned char> readFileToBytes(const std::filesystem::path& path);
