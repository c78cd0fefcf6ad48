#include "driver/exclusive_temp_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// How many taken names are stepped over before giving up.
constexpr int kMaxAlternatives = 100;

std::runtime_error writeFailure(const fs::path& path, int err) {
    return std::runtime_error("orvan: cannot write temporary file " + path.generic_string() + ": " +
                              std::strerror(err));
}

void writeAll(int fd, const fs::path& path, const std::string& text) {
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(path.c_str());
            throw writeFailure(path, err);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(path.c_str());
        throw writeFailure(path, err);
    }
}

}  // namespace

fs::path writeExclusiveTempFile(const fs::path& wanted, const std::string& text) {
    fs::path candidate = wanted;
    for (int n = 1;; ++n) {
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            writeAll(fd, candidate, text);
            return candidate;
        }
        if (errno != EEXIST || n > kMaxAlternatives) throw writeFailure(candidate, errno);
        candidate = wanted.parent_path() /
                    (wanted.stem().string() + "_" + std::to_string(n) + wanted.extension().string());
    }
}
