#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

#include "driver/flows.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A project build against the source tree's parser libraries and runtime, with a
// stand-in bundling script (copies its entry, or writes BUNDLE_TEXT, and records
// its arguments) and a stand-in C++ compiler that keeps the generated text and
// writes the "executable" as a shell script that prints its arguments one a line.
class Project : public ::testing::Test {
protected:
    TempDir dir{"project"};
    fs::path inst = dir.path() / "inst";
    fs::path work = dir.path() / "work";
    fs::path app = work / "app";
    fs::path generated = dir.path() / "generated.cc";
    fs::path cxxArgs = dir.path() / "cxx-args.txt";
    fs::path bundleArgs = dir.path() / "bundle-args.txt";
    fs::path savedCwd = fs::current_path();

    void SetUp() override {
        fs::create_directories(inst);
        for (const char* item : {"esprima.js", "babel.min.js", "src", "vendor"})
            fs::create_symlink(fs::path(ORVAN_SOURCE_DIR) / item, inst / item);
        dir.write("inst/tools/jsc-npm-bundle/node_modules/esbuild/package.json", "{}");
        dir.write("inst/tools/jsc-npm-bundle/bundle.mjs",
                  "import fs from 'fs';\n"
                  "const [entry, root, out, platform] = process.argv.slice(2);\n"
                  "fs.appendFileSync('" + bundleArgs.string() + "', [entry, root, out, platform].join(' ') + '\\n');\n"
                  "fs.writeFileSync(out, process.env.BUNDLE_TEXT || fs.readFileSync(entry));\n");
        const fs::path cxx = dir.write(
            "fake-cxx.sh",
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + cxxArgs.string() + "'\n"
            "while [ $# -gt 0 ]; do\n"
            "  case $1 in -o) out=$2; shift; cp \"$2\" '" + generated.string() + "';; esac; shift\n"
            "done\n"
            "printf '%s\\n' '#!/bin/sh' 'for a in \"$@\"; do printf \"[%s]\\n\" \"$a\"; done' > \"$out\"\n"
            "chmod +x \"$out\"\n",
            true);
        setenv("CXX", cxx.c_str(), 1);
        unsetenv("BUNDLE_TEXT");
        fs::create_directories(work);
        fs::current_path(work);
    }
    void TearDown() override {
        fs::current_path(savedCwd);
        unsetenv("CXX");
    }

    // A project folder `app` under work with the given configuration and entry.
    void project(const std::string& config, const std::string& entry = "console.log(1);\n") {
        dir.write("work/app/orvan.config.json", config);
        dir.write("work/app/src/main.js", entry);
    }

    struct Result {
        int status;
        std::string out, err;
    };
    Result build(CliOptions opts) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int status;
        try {
            status = runProjectPipeline(opts, inst.generic_string(), "orvan");
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            status = 1;
        }
        std::string out = testing::internal::GetCapturedStdout();
        return {status, out, testing::internal::GetCapturedStderr()};
    }
    static CliOptions opts(const std::string& folder = "app") {
        CliOptions o;
        o.project = true;
        o.projectDir = folder;
        return o;
    }
    static fs::path cppFileFor(const fs::path& executable) {
        return fs::temp_directory_path() /
               ("orvan_build_" + std::to_string(getpid()) + "_" +
                std::to_string(std::hash<std::string>{}(executable.generic_string())) + ".cc");
    }
    static bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

const char* const kPlain = R"({"publicDir": "web"})";

}  // namespace

TEST_F(Project, ConfigurationFailuresComeBeforeAnythingIsLookedFor) {
    const auto failsWith = [&](const std::string& config, const std::string& message) {
        dir.write("work/app/orvan.config.json", config);
        const Result r = build(opts());
        EXPECT_EQ(r.status, 1) << config;
        EXPECT_EQ(r.err, message + "\n") << config;
        EXPECT_FALSE(fs::exists(app / "public")) << config;
    };
    failsWith(R"({"hybrid": true, "controlPlane": true, "quickjsIsland": "x.js"})",
              "orvan: config: \"controlPlane\" and \"hybrid\" cannot both be true.");
    failsWith(R"({"hybrid": true, "quickjsIsland": ""})",
              "orvan: hybrid builds require \"quickjsIsland\" (path to island entry .js) in orvan.config.json.");
    failsWith(R"({"entry": 3})", "[json.exception.type_error.302] type must be string, but is number");
    failsWith(R"(["entry"])", "[json.exception.type_error.306] cannot use value() with array");
    failsWith("{\"entry\": ", "[json.exception.parse_error.101] parse error at line 1, column 11: syntax error "
                              "while parsing value - unexpected end of input; expected '[', '{', or a literal");
    failsWith(R"({"entry": "src/none.js"})",
              "orvan: entry file not found: " + (app / "src/none.js").generic_string());
}

TEST_F(Project, PageBecomesOneStringLiteralAtEveryPlaceholder) {
    project(kPlain, "const a = __ORVAN_BUNDLE_HTML__;\nconst b = __ORVAN_BUNDLE_HTML__;\n");
    dir.write("work/app/web/index.html", "<p class=\"x\">a\\b\tc\r\nd __ORVAN_BUNDLE_HTML__ \x01\xc3\xa9</p>\n");
    const Result r = build(opts());
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string literal = "\"<p class=\\\"x\\\">a\\\\b\\tc\\r\\nd __ORVAN_BUNDLE_HTML__ \x01\xc3\xa9</p>\\n\"";
    EXPECT_EQ(slurp(app / ".orvan-build/main.entry.js"),
              "const a = " + literal + ";\nconst b = " + literal + ";\n");
    // A plain build is a web-view build with the public folder as its asset table.
    const std::string args = slurp(cxxArgs);
    EXPECT_TRUE(has(args, (app / ".orvan-build/jsc_assets.cpp").generic_string())) << args;
    EXPECT_TRUE(has(args, "jsc_webview_linux.cpp")) << args;
}

TEST_F(Project, PlaceholderRules) {
    // Without the placeholder the page has nowhere to go, whatever the entry is called.
    project(R"({"entry": "src/other.js"})");
    dir.write("work/app/src/other.js", "console.log(2);\n");
    dir.write("work/app/public/index.html", "<p>hi</p>");
    Result r = build(opts());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "src/main.js must contain placeholder __ORVAN_BUNDLE_HTML__\n");

    // --no-inline-html leaves the entry as written, placeholder and all.
    dir.write("work/app/src/other.js", "console.log(__ORVAN_BUNDLE_HTML__);\n");
    CliOptions o = opts();
    o.noInlineHtml = true;
    r = build(o);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(app / ".orvan-build/main.entry.js"), "console.log(__ORVAN_BUNDLE_HTML__);\n");

    // Other public files without a page: the assets are written, the entry is untouched.
    fs::remove(app / "public/index.html");
    dir.write("work/app/public/logo.txt", "L");
    fs::remove(app / ".orvan-build/jsc_assets.cpp");
    r = build(opts());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(slurp(app / ".orvan-build/jsc_assets.cpp"), "\"logo.txt\""));
    EXPECT_EQ(slurp(app / ".orvan-build/main.entry.js"), "console.log(__ORVAN_BUNDLE_HTML__);\n");
}

TEST_F(Project, ExecutableNamesAndTheTemporaryFile) {
    project(kPlain);
    Result r = build(opts());
    const fs::path appBin = app / ".orvan-build/app_app.bin";
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "orvan: built \"" + appBin.generic_string() + "\"\n");
    EXPECT_TRUE(fs::exists(appBin));
    EXPECT_TRUE(has(slurp(cxxArgs), "\n-o\n" + appBin.generic_string() + "\n" +
                                        fs::weakly_canonical(cppFileFor(appBin)).generic_string() + "\n"));
    EXPECT_FALSE(fs::exists(cppFileFor(appBin)));

    r = build(opts("app/"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(app / ".orvan-build/_app.bin"));

    fs::current_path(app);
    r = build(opts("."));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(app / ".orvan-build/._app.bin"));

    // -o is taken relative to the current folder, not to the project.
    fs::current_path(work);
    CliOptions o = opts();
    o.output = "out/prog";
    fs::create_directories(work / "out");
    r = build(o);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(work / "out/prog"));

    // A failing compiler keeps the generated file for inspection.
    setenv("CXX", "false", 1);
    r = build(opts());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orvan: C++ compiler failed.\n(hint run with --print-c to inspect)\n");
    EXPECT_TRUE(fs::exists(cppFileFor(appBin)));
    fs::remove(cppFileFor(appBin));
}

TEST_F(Project, HybridEmbedsTheBundledIslandBeforeTheCore) {
    project(R"({"hybrid": true, "quickjsIsland": "src/island.js", "bundlePlatform": "node"})",
            "function hello() { return 1; }\n");
    Result r = build(opts());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "orvan: hybrid: quickjsIsland file not found: " + (app / "src/island.js").generic_string() + "\n");

    dir.write("work/app/src/island.js", "console.log('i');\n");
    setenv("BUNDLE_TEXT", "AB", 1);
    r = build(opts());
    unsetenv("BUNDLE_TEXT");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(bundleArgs), (app / "src/island.js").generic_string() + " " + app.generic_string() + " " +
                                     (app / ".orvan-build/island.bundled.js").generic_string() + " node\n");
    const std::string text = slurp(generated);
    EXPECT_EQ(text.rfind("/* orvan generated: embedded QuickJS npm island (true hybrid) */\n"
                         "static const unsigned char jsc_hybrid_island_bundle[] = {\n0x41,0x42,0x00\n};\n"
                         "static const unsigned long long jsc_hybrid_island_bundle_len = 2ULL;\n",
                         0),
              0u)
        << text.substr(0, 300);
    EXPECT_TRUE(has(text, "jsc_hybrid_boot_island(jsc_hybrid_island_bundle, jsc_hybrid_island_bundle_len);"));
    EXPECT_FALSE(has(slurp(cxxArgs), "jsc_webview_linux.cpp"));

    // The core of a hybrid build may not pull in npm packages.
    dir.write("work/app/src/main.js", "const x = require('left-pad');\n");
    r = build(opts());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "left-pad")) << r.err;
}

TEST_F(Project, ControlPlaneEmbedsTheEntryWithoutParsingIt) {
    // Syntax the compiler could not lower is fine: the embedded engine runs it.
    project(R"({"controlPlane": true})", "class A { static #x = 1; }\n");
    const Result r = build(opts());
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = slurp(generated);
    EXPECT_TRUE(has(text, "static const unsigned char jsc_control_bundle[] = {\n0x63,0x6c,0x61,0x73,0x73,"));
    EXPECT_TRUE(has(text, "static const size_t jsc_control_bundle_len = 27;"));
    EXPECT_TRUE(has(slurp(cxxArgs), "jsc_orvan_qjs.cpp"));
}

TEST_F(Project, DependencyBundleBecomesTheCompiledEntry) {
    project(R"({"bundleDependencies": true, "bundlePlatform": "node"})", "console.log('original');\n");
    setenv("BUNDLE_TEXT", "console.log('from the bundle');\n", 1);
    const Result r = build(opts());
    unsetenv("BUNDLE_TEXT");
    ASSERT_EQ(r.status, 0) << r.err;
    const fs::path b = app / ".orvan-build";
    EXPECT_EQ(slurp(bundleArgs), (b / "main.entry.js").generic_string() + " " + app.generic_string() + " " +
                                     (b / "main.bundled.js").generic_string() + " node\n");
    EXPECT_TRUE(has(slurp(generated), "from the bundle"));
    EXPECT_FALSE(has(slurp(generated), "original"));
}

TEST_F(Project, ReactFrontEndIsBundledIntoThePublicFolder) {
    project(kPlain);
    dir.write("work/app/package.json", R"({"dependencies": {"react-dom": "18"}})");
    dir.write("work/app/src/frontend.tsx", "x");
    dir.write("work/app/src/frontend.js", "y");
    const Result r = build(opts());
    ASSERT_EQ(r.status, 0) << r.err;
    const fs::path bundle = app / "web/app.bundle.js";
    EXPECT_EQ(slurp(bundleArgs), (app / "src/frontend.tsx").generic_string() + " " + app.generic_string() + " " +
                                     bundle.generic_string() + " browser\n");
    EXPECT_TRUE(has(r.err, "orvan: built React frontend bundle \"" + bundle.generic_string() + "\"\n")) << r.err;
    EXPECT_TRUE(has(slurp(app / ".orvan-build/jsc_assets.cpp"), "\"app.bundle.js\""));

    // A folder named package.json is no React project and no failure.
    fs::remove(app / "package.json");
    fs::create_directories(app / "package.json");
    fs::remove(bundleArgs);
    EXPECT_EQ(build(opts()).status, 0);
    EXPECT_FALSE(fs::exists(bundleArgs));
}

TEST_F(Project, TimingWithoutRunReportsTheBuildTwice) {
    project(kPlain);
    CliOptions o = opts();
    o.timing = true;
    const Result r = build(o);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(testing::internal::RE::PartialMatch(
        r.err, "orvan: built \"[^\"]*\"\norvan benchmark \\(build\\): ([0-9]+)ms\n\norvan benchmark:\n  build: [0-9]+ms\n$"))
        << r.err;
}

TEST_F(Project, RunTimingNamesTheFirstOutputOrTheEnd) {
    project(kPlain);
    CliOptions o = opts();
    o.run = true;
    o.timing = true;
    o.runArgs = {"x"};
    Result r = build(o);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(testing::internal::RE::PartialMatch(
        r.err, "\norvan benchmark \\(build\\): [0-9]+ms\norvan: running \"[^\"]*\" \\.\\.\\.\n"
               "orvan benchmark \\(start time\\): [0-9]+ms\n$"))
        << r.err;

    o.runArgs.clear();
    r = build(o);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(testing::internal::RE::PartialMatch(r.err, "\\.\\.\\.\norvan benchmark \\(completion time\\): [0-9]+ms\n$"))
        << r.err;
}
