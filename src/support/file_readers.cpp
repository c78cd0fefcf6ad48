#include "support/file_readers.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

std::string readFileToString(const std::string& path) {
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in.is_open()) throw std::runtime_error("orvan: cannot open file: " + path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<unsigned char> readFileToBytes(const std::filesystem::path& path) {
    std::ifstream in(path.native(), std::ios::in | std::ios::binary);
    if (in.fail() || in.bad()) throw std::runtime_error("cannot read " + path.generic_string());
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
