#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/exclusive_temp_file.h"
#include "driver/output_checks.h"

namespace fs = std::filesystem;

namespace {

struct Scratch {
    fs::path dir = fs::temp_directory_path() / ("orvan_excl_" + std::to_string(::getpid()));
    Scratch() {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Scratch() { fs::remove_all(dir); }
    std::string read(const fs::path& p) const {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

std::string messageOf(const std::string& output, const std::string& input) {
    try {
        checkOutputPath(output, input);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(ExclusiveTempFile, TakenNamesAreSteppedOverAndLinksNeverFollowed) {
    Scratch s;
    const fs::path wanted = s.dir / "unit_1.cc";
    std::ofstream(s.dir / "victim") << "precious";
    fs::create_symlink(s.dir / "victim", wanted);
    fs::create_symlink(s.dir / "nowhere", s.dir / "unit_1_1.cc");  // a dangling link counts as taken too

    const fs::path got = writeExclusiveTempFile(wanted, "int x;\n");
    EXPECT_EQ(got, s.dir / "unit_1_2.cc");
    EXPECT_EQ(s.read(got), "int x;\n");
    EXPECT_EQ(s.read(s.dir / "victim"), "precious");
    EXPECT_FALSE(fs::exists(s.dir / "nowhere"));
    EXPECT_EQ((fs::status(got).permissions() & fs::perms::group_read), fs::perms::none);

    // A free name is used as it is.
    EXPECT_EQ(writeExclusiveTempFile(s.dir / "free.cc", ""), s.dir / "free.cc");
}

TEST(ExclusiveTempFile, AnUnwritableFolderIsAClearError) {
    try {
        writeExclusiveTempFile("/no/such/folder/x.cc", "x");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "orvan: cannot write temporary file /no/such/folder/x.cc: No such file or directory");
    }
}

TEST(OutputChecks, RefusesWhatTheCompileCouldNotHonour) {
    Scratch s;
    const std::string input = (s.dir / "app.js").string();
    std::ofstream(input) << "1;";
    EXPECT_NE(messageOf(input, input).find("is the input file"), std::string::npos);
    EXPECT_NE(messageOf((s.dir / "." / "app.js").string(), input).find("is the input file"), std::string::npos);
    EXPECT_NE(messageOf(s.dir.string(), input).find("is a folder"), std::string::npos);
    EXPECT_EQ(messageOf((s.dir / "none" / "x").string(), input),
              "orvan: the output folder " + (s.dir / "none").generic_string() + " does not exist");
    EXPECT_EQ(messageOf((s.dir / "app.out").string(), input), "");
    EXPECT_EQ(messageOf("app.out", input), "");  // the current folder
}
