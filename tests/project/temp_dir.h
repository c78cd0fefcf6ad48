#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "project/html_inline.h"

// A fresh folder under the system temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("orvan-project-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes `text` to the relative path `rel`, creating its folders; returns the full path.
    std::filesystem::path write(const std::string& rel, const std::string& text) const {
        const std::filesystem::path p = path_ / rel;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }

    std::string read(const std::string& rel) const { return jsc_bundle::readAll(path_ / rel); }

private:
    std::filesystem::path path_;
};
