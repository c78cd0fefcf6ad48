#include "support/file_readers.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
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
