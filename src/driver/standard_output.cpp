#include "driver/standard_output.h"

#include <cerrno>
#include <cstring>
#include <iostream>

bool writeStandardOutput(const std::string& text) {
    errno = 0;
    std::cout << text << std::flush;
    if (std::cout.good()) return true;
    const int err = errno;
    std::cerr << "orvan: cannot write standard output" << (err ? std::string(": ") + std::strerror(err) : "")
              << "\n";
    return false;
}
