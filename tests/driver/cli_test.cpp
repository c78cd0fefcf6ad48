#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "driver/cli.h"

namespace {

struct Parsed {
    CliOptions opts;
    std::optional<int> status;
    std::string out, err;
};

Parsed parse(std::initializer_list<const char*> args) {
    std::vector<char*> argv;
    std::vector<std::string> storage(args.begin(), args.end());
    for (auto& s : storage) argv.push_back(s.data());
    Parsed p;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    p.status = parseCommandLine(static_cast<int>(argv.size()), argv.data(), p.opts);
    p.out = testing::internal::GetCapturedStdout();
    p.err = testing::internal::GetCapturedStderr();
    return p;
}

bool isUsage(const std::string& err) { return err.rfind("Orvan 1.0.0 \u2014 JavaScript-to-native compiler\n\n", 0) == 0; }

}  // namespace

TEST(CommandLine, UsageTextIsExact) {
    auto p = parse({"bin/orvan"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.out, "");
    EXPECT_EQ(p.err,
              "Orvan 1.0.0 \u2014 JavaScript-to-native compiler\n\n"
              "Usage:\n"
              "  bin/orvan -compile <input.js> [-o out] [-cflags \"extra\"]\n"
              "      [-bundle-npm [-bundle-root <dir>] [-bundle-platform neutral|browser|node]]\n"
              "  bin/orvan -init [<dir>]\n"
              "  bin/orvan -build [<dir>] [-o app] [--no-inline-html]\n"
              "  bin/orvan run [<dir>] [--time] [--benchmark] [-- args...]\n"
              "  bin/orvan --print-c <input.js>\n"
              "  bin/orvan --version\n\n"
              "Tip: run with --print-c to inspect the generated C++ for any input.\n"
              "Tip: unsupported JS features? Move them to src/island.js (full JS).\n");
}

TEST(CommandLine, VersionStopsTheLoopButOnlyWhenReached) {
    auto p = parse({"orvan", "-compile", "a.js", "--version", "-zzz"});
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out, "orvan 1.0.0\n");
    auto q = parse({"orvan", "-zzz", "--version"});
    EXPECT_EQ(q.status, 1);
    EXPECT_EQ(q.out, "");
    EXPECT_TRUE(isUsage(q.err));
}

TEST(CommandLine, ValueOptionsWithoutValueEndInUsage) {
    for (const char* flag : {"-o", "--output", "-cflags", "-bundle-root", "-bundle-platform"}) {
        auto p = parse({"orvan", "a.js", flag});
        EXPECT_EQ(p.status, 1) << flag;
        EXPECT_TRUE(isUsage(p.err)) << flag;
    }
}

TEST(CommandLine, ValuesMayBeginWithDash) {
    auto p = parse({"orvan", "-cflags", "-O3 -g", "-compile", "x.js", "-o", "-weird", "-bundle-root", "-r"});
    ASSERT_FALSE(p.status);
    EXPECT_EQ(p.opts.cflags, "-O3 -g");
    EXPECT_TRUE(p.opts.compile);
    EXPECT_EQ(p.opts.input, "x.js");
    EXPECT_EQ(p.opts.output, "-weird");
    EXPECT_EQ(p.opts.bundleRoot, "-r");
    EXPECT_EQ(p.opts.bundlePlatform, "neutral");
}

TEST(CommandLine, LastBareArgumentIsTheInputAndEmptyCounts) {
    auto p = parse({"orvan", "a.js", "b.js"});
    EXPECT_EQ(p.opts.input, "b.js");
    auto q = parse({"orvan", "a.js", ""});
    ASSERT_FALSE(q.status);
    EXPECT_EQ(q.opts.input, "");
}

TEST(CommandLine, InitForms) {
    auto p = parse({"orvan", "init"});
    EXPECT_TRUE(p.opts.init);
    EXPECT_EQ(p.opts.initDir, ".");
    auto q = parse({"orvan", "init", "app"});
    EXPECT_EQ(q.opts.initDir, "app");
    auto r = parse({"orvan", "-init", "-zzz"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(isUsage(r.err));
    auto s = parse({"orvan", "-init", "d", "-compile", "x.js"});
    ASSERT_FALSE(s.status);
    EXPECT_TRUE(s.opts.init);
    EXPECT_EQ(s.opts.initDir, "d");
}

TEST(CommandLine, ProjectKeywords) {
    auto p = parse({"orvan", "build", "init"});
    EXPECT_EQ(p.status, 1);
    EXPECT_EQ(p.err, "orvan: build init requires <dir>\n");
    auto q = parse({"orvan", "run", "init", "app"});
    ASSERT_FALSE(q.status);
    EXPECT_TRUE(q.opts.run && q.opts.project && q.opts.initBuild);
    EXPECT_FALSE(q.opts.init);
    EXPECT_EQ(q.opts.projectDir, "app");
    auto r = parse({"orvan", "build", "app", "init"});
    ASSERT_FALSE(r.status);
    EXPECT_EQ(r.opts.projectDir, ".");
    EXPECT_FALSE(r.opts.init);
    auto s = parse({"orvan", "-build", "--time"});
    EXPECT_EQ(s.opts.projectDir, ".");
    EXPECT_TRUE(s.opts.timing);
}

TEST(CommandLine, DoubleDashCollectsTheRest) {
    auto p = parse({"orvan", "run", "--", "-x", "y"});
    ASSERT_FALSE(p.status);
    EXPECT_EQ(p.opts.projectDir, ".");
    EXPECT_TRUE(p.opts.run);
    EXPECT_EQ(p.opts.runArgs, (std::vector<std::string>{"-x", "y"}));
}

TEST(CommandLine, InstallationFolderFallbacks) {
    EXPECT_EQ(binDirFromArgv0("/opt/x/bin/cc"), "/opt/x/bin");
    EXPECT_EQ(binDirFromArgv0("bin/cc"), (std::filesystem::current_path() / "bin").generic_string());
    EXPECT_FALSE(binDir("whatever").empty());
    EXPECT_NE(binDir("whatever").back(), '/');
}

TEST(FailureReport, TipsFollowOnlyTriggerWords) {
    testing::internal::CaptureStderr();
    reportSingleFileFailure("orvan: parse error in a.js: Line 1: Unexpected token");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err,
              "orvan: parse error in a.js: Line 1: Unexpected token\n\nTips:\n"
              "  \u2022 Run with --print-c to inspect the generated C++.\n"
              "  \u2022 Move unsupported code to src/island.js for full JS support.\n"
              "  \u2022 Set ORVAN_STRICT_UNSUPPORTED=1 to turn warnings into errors.\n");
    testing::internal::CaptureStderr();
    reportSingleFileFailure("orvan: cannot open: x.js");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "orvan: cannot open: x.js\n");
}
