#include "driver/file_readers.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && !ec;
}

std::string readFileToString(const std::string& path) {
    std::ifstream in;
    if (isRegularFile(path)) in.open(path, std::ios::in | std::ios::binary);
    if (!in.is_open()) throw std::runtime_error("orvan: cannot open file: " + path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<unsigned char> readFileToBytes(const std::filesystem::path& path) {
    std::ifstream in;
    if (isRegularFile(path)) in.open(path.native(), std::ios::in | std::ios::binary);
    if (!in.is_open() || in.fail() || in.bad())
        throw std::runtime_error("cannot read " + path.generic_string());
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
