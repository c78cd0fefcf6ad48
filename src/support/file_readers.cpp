#include "support/file_readers.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    // Only a regular file (links followed) is read: a folder must never read as
    // an empty file, and a device such as /dev/zero or a pipe might never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || ec) return std::nullopt;
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in.is_open()) return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string readFileToString(const std::string& path) {
    std::optional<std::string> text = readWholeFile(path);
    if (!text) throw std::runtime_error("orvan: cannot open file: " + path);
    return std::move(*text);
}

std::vector<unsigned char> readFileToBytes(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path.generic_string());
    return std::vector<unsigned char>(bytes->begin(), bytes->end());
}
