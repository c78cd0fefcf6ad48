#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/file_readers.h"

namespace fs = std::filesystem;

namespace {
fs::path writeTemp(const std::string& name, const std::string& bytes) {
    fs::path p = fs::temp_directory_path() / ("orvan_reader_" + std::to_string(::getpid()) + "_" + name);
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
}
}  // namespace

TEST(FileReaders, BytesComeBackExactly) {
    const std::string raw("a\0b\r\nc", 6);
    fs::path p = writeTemp("raw", raw);
    EXPECT_EQ(readFileToString(p.string()), raw);
    auto bytes = readFileToBytes(p);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), raw);
    fs::remove(p);
}

TEST(FileReaders, EmptyFileIsNotAnError) {
    fs::path p = writeTemp("empty", "");
    EXPECT_EQ(readFileToString(p.string()), "");
    EXPECT_TRUE(readFileToBytes(p).empty());
    fs::remove(p);
}

TEST(FileReaders, MissingFileMessages) {
    try {
        readFileToString("no/such/file.js");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "orvan: cannot open file: no/such/file.js");
    }
    try {
        readFileToBytes(fs::path("/no/such/dir/f.bin"));
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "cannot read /no/such/dir/f.bin");
    }
}

TEST(FileReaders, FoldersAndDevicesAreNotFiles) {
    const fs::path dir = fs::temp_directory_path() / ("orvan_reader_dir_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const fs::path& p : {dir, fs::path("/dev/zero"), fs::path("/")}) {
        EXPECT_THROW(readFileToString(p.string()), std::runtime_error) << p;
        EXPECT_THROW(readFileToBytes(p), std::runtime_error) << p;
    }
    try {
        readFileToBytes(dir);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "cannot read " + dir.generic_string());
    }
    fs::remove(dir);
}
