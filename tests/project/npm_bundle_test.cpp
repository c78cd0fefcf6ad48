#include "project/npm_bundle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "<no exception>";
}

// Sets an environment variable for the length of a scope.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvVar() { had_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

// An installation whose bundling script only records the arguments it got.
struct FakeInstall {
    TempDir dir{"npm"};
    fs::path argsFile = dir.path() / "args.json";

    void addScript(const std::string& tail = "") {
        dir.write("inst/tools/jsc-npm-bundle/bundle.mjs",
                  "import fs from 'fs';\nfs.writeFileSync(" + std::string("'") + argsFile.string() +
                      "', JSON.stringify(process.argv.slice(1)));\n" + tail);
    }
    void addEsbuild() { dir.write("inst/tools/jsc-npm-bundle/node_modules/esbuild/package.json", "{}"); }
    std::string root() const { return (dir.path() / "inst").generic_string(); }
    void run(const std::string& entry = "/e.js") const {
        jsc_npm_bundle::run(root(), entry, "/proj", "/out.js", "neutral");
    }
};

const char* kBundleFailed =
    "orvan: npm dependency bundling failed (esbuild). Check stderr and project imports/package.json.";

}  // namespace

TEST(NpmBundleRun, MissingScriptIsReportedFirst) {
    FakeInstall inst;
    EnvVar node("ORVAN_NODE", "/nonexistent/node");
    EXPECT_EQ(errorOf([&] { inst.run(); }),
              "orvan: missing npm bundle script at " + inst.root() +
                  "/tools/jsc-npm-bundle/bundle.mjs\n  Expected tools/jsc-npm-bundle beside the "
                  "compiler binary.");
}

TEST(NpmBundleRun, MissingEsbuildStopsBeforeNode) {
    FakeInstall inst;
    inst.addScript();
    EnvVar node("ORVAN_NODE", "/nonexistent/node");
    EXPECT_EQ(errorOf([&] { inst.run(); }),
              "orvan: esbuild not installed.\n  From the compiler repo root run:  make tools-deps\n"
              "  Then retry.");
}

TEST(NpmBundleRun, NodeCommandThatFailsIsNamedInTheMessage) {
    FakeInstall inst;
    inst.addScript();
    inst.addEsbuild();
    EnvVar node("ORVAN_NODE", "/nonexistent/node --flag");
    EXPECT_EQ(errorOf([&] { inst.run(); }),
              "orvan: '/nonexistent/node --flag' failed (install Node.js or set ORVAN_NODE to the "
              "node binary). Required for npm dependency bundling.");
}

TEST(NpmBundleRun, EmptyNodeVariableMeansNodeAndArgumentsArriveLiterally) {
    FakeInstall inst;
    inst.addScript();
    inst.addEsbuild();
    EnvVar node("ORVAN_NODE", "");
    jsc_npm_bundle::run(inst.root(), "/p/it's $(x)/e.js", "/p/it's", "/t/o.js", "node");
    EXPECT_EQ(slurp(inst.argsFile),
              "[\"" + inst.root() +
                  "/tools/jsc-npm-bundle/bundle.mjs\",\"/p/it's $(x)/e.js\",\"/p/it's\","
                  "\"/t/o.js\",\"node\"]");
}

TEST(NpmBundleRun, ValueWithBlanksIsSplitByTheShell) {
    FakeInstall inst;
    inst.addScript();
    inst.addEsbuild();
    EnvVar node("ORVAN_NODE", "node --no-warnings");
    EXPECT_NO_THROW(inst.run());
}

TEST(NpmBundleRun, ScriptFailureOrSignalIsABundlingFailure) {
    FakeInstall inst;
    inst.addScript("process.exit(2);\n");
    inst.addEsbuild();
    EnvVar node("ORVAN_NODE", nullptr);
    EXPECT_EQ(errorOf([&] { inst.run(); }), kBundleFailed);
    inst.addScript("process.kill(process.pid, 'SIGKILL');\n");
    EXPECT_EQ(errorOf([&] { inst.run(); }), kBundleFailed);
}

TEST(NpmProjectRoot, NearestFolderWithARegularPackageJson) {
    TempDir d("root");
    d.write("proj/package.json", "{}");
    d.write("proj/src/deep/app.js", "");
    EXPECT_EQ(npmProjectRootForEntry(d.path() / "proj/src/deep/app.js"), d.str() + "/proj");
    EXPECT_EQ(npmProjectRootForEntry(d.path() / "proj/app.js"), d.str() + "/proj");

    // A folder named package.json does not count; a link to a regular file does.
    fs::create_directories(d.path() / "dirpkg/package.json");
    fs::create_directories(d.path() / "dirpkg/a");
    d.write("linked/real.json", "{}");
    fs::create_symlink(d.path() / "linked/real.json", d.path() / "linked/package.json");
    EXPECT_EQ(npmProjectRootForEntry(d.path() / "linked/x.js"), d.str() + "/linked");

    // A relative entry is taken against the current folder.
    const fs::path cwd = fs::current_path();
    fs::current_path(d.path() / "proj/src");
    EXPECT_EQ(npmProjectRootForEntry("deep/app.js"), d.str() + "/proj");
    fs::current_path(cwd);
}

TEST(NpmProjectRoot, GivesUpAfterSixtyFourFolders) {
    TempDir d("deep");
    d.write("package.json", "{}");
    fs::path deep = d.path();
    for (int i = 0; i < 70; ++i) deep /= "d";
    fs::create_directories(deep);
    EXPECT_EQ(npmProjectRootForEntry(deep / "app.js"), deep.generic_string());
    // 63 folders above the entry's folder are still searched.
    fs::path within = d.path();
    for (int i = 0; i < 63; ++i) within /= "d";
    EXPECT_EQ(npmProjectRootForEntry(within / "app.js"), d.str());
}

TEST(ReactProject, LooksInTheThreeDependencySections) {
    TempDir d("react");
    auto check = [&](const std::string& json) {
        return packageLooksReactProject(d.write("package.json", json));
    };
    EXPECT_FALSE(packageLooksReactProject(d.path() / "none.json"));
    EXPECT_TRUE(check(R"({"dependencies":{"react":"18"}})"));
    EXPECT_TRUE(check(R"({"devDependencies":{"react-dom":null}})"));
    EXPECT_TRUE(check(R"({"peerDependencies":{"react":1}} trailing text)"));
    EXPECT_FALSE(check(R"({"dependencies":{"React":"18"},"react":{}})"));
    EXPECT_FALSE(check(R"({"dependencies":["react"]})"));
    EXPECT_FALSE(check(R"([{"dependencies":{"react":"18"}}])"));
    EXPECT_THROW(check("{ not json"), std::exception);
    fs::remove(d.path() / "package.json");
    fs::create_directories(d.path() / "package.json");
    EXPECT_FALSE(packageLooksReactProject(d.path() / "package.json"));
    std::filesystem::create_directories(d.path() / "dir" / "package.json");
    EXPECT_FALSE(packageLooksReactProject(d.path() / "dir" / "package.json"));
}
