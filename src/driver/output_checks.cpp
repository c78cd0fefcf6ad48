#include "driver/output_checks.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

void checkOutputPath(const std::string& output, const std::string& input) {
    std::error_code ec;
    const fs::path out(output);
    if (fs::equivalent(out, fs::path(input), ec) && !ec)
        throw std::runtime_error("orvan: the output " + output +
                                 " is the input file; choose another name with -o");
    if (fs::is_directory(out, ec))
        throw std::runtime_error("orvan: the output " + output + " is a folder; name a file with -o");
    fs::path folder = out.parent_path();
    if (folder.empty()) folder = ".";
    if (!fs::is_directory(folder, ec))
        throw std::runtime_error("orvan: the output folder " + folder.generic_string() + " does not exist");
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        throw std::runtime_error("orvan: the output folder " + folder.generic_string() + " is not writable");
}
