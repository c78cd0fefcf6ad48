#include "driver/invoke_compiler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "support/shell.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A command built for an installation in a temporary folder, with probes and
// flag answers chosen by each test.
struct CommandCase {
    TempDir root{"inst"};
    CompilerLayout layout = compilerLayout(root.str());
    std::string rt = layout.srcRoot + "/runtime/";
    CompileRequest req{"c++", "/tmp/in.cc", "app", ""};

    std::string build(const std::string& text, bool webview, const PkgProbes& probes,
                      const PkgFlags& flags = {}, const fs::path& embed = {}) {
        const CompileSwitches sw = compileSwitches(text, webview);
        return compilerCommand(req, layout, sw, probes, flags, compileInputs(layout, sw, probes, embed));
    }
    std::string q(const std::string& p) const { return shellQuote(p); }
};

std::string messageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "<no exception>";
}

const char* kLibuvMessage =
    "orvan: require('http'|'net'|\u2026) needs libuv \u2014 install libuv development packages "
    "(pkg-config libuv).";
const char* kWebviewMessage = "WebView builds need gtk+-3.0 + webkit2gtk-4.x dev packages.";

}  // namespace

TEST(CompilerCommand, PlainTextCompilesOnlyTheAlwaysNeededSources) {
    CommandCase c;
    const std::string cmd = c.build("int main() {}", false, PkgProbes{});
    const std::string expected =
        "'c++' -std=c++17 -O2 -Wall -Wextra -I" + c.q(c.layout.srcRoot) + " -o 'app' '/tmp/in.cc'" +
        " " + c.q(c.rt + "jsc_node_io.cpp") + " " + c.q(c.rt + "jsc_webview_stub.cpp") + " " +
        c.q(c.rt + "jsc_orvan_native_core.cpp") + " " + c.q(c.rt + "jsc_orvan_native_gui_stub.cpp") +
        " -lm -pthread -ldl 2>&1";
    EXPECT_EQ(cmd, expected);
}

TEST(CompilerCommand, ControlPlaneLinksEngineAndEventLoop) {
    CommandCase c;
    PkgProbes probes;
    probes.libuv = probes.openssl = true;
    PkgFlags flags;
    flags.uvCflags = "-I/uv";
    flags.uvLibs = "-luv";
    flags.sslCflags = "-I/ssl";
    flags.sslLibs = "-lssl -lcrypto";
    const std::string text =
        "#define JSC_RUNTIME_QUICKJS 1\n#define JSC_RUNTIME_UV 1\n#define JSC_RUNTIME_NODE_IO 1\n"
        "#define JSC_QJS_CONTROL_PLANE 1\n";
    const std::string cmd = c.build(text, false, probes, flags);
    std::string sources;
    for (const char* f : {"jsc_quickjs_fallback.cpp", "jsc_event_loop.cpp", "jsc_node_io.cpp",
                          "jsc_qjs_node_bridge.cpp", "jsc_orvan_qjs.cpp", "jsc_webview_stub.cpp",
                          "jsc_orvan_native_core.cpp", "jsc_orvan_native_gui_stub.cpp"})
        sources += " " + c.q(c.rt + f);
    std::string objects;
    for (const char* o : {"quickjs.o", "dtoa.o", "libregexp.o", "libunicode.o", "cutils.o",
                          "quickjs-libc.o"})
        objects += " " + c.q(c.layout.engineObj + "/" + o);
    const std::string expected =
        "'c++' -std=c++17 -O2 -Wall -Wextra -I" + c.q(c.layout.srcRoot) + " -I/ssl -I" +
        c.q(c.layout.engineInc) + " -o 'app' '/tmp/in.cc'" + sources + objects +
        " -I/uv -DJSC_HAVE_UV=1 -DJSC_RUNTIME_NODE_IO=1 -DJSC_HAVE_OPENSSL=1"
        " -DJSC_QJS_CONTROL_PLANE=1 -DJSC_RUNTIME_QUICKJS=1 -lm -pthread -ldl -luv -lssl -lcrypto 2>&1";
    EXPECT_EQ(cmd, expected);

    probes.libuv = false;
    EXPECT_EQ(messageOf([&] { c.build(text, false, probes, flags); }), kLibuvMessage);
}

TEST(CompilerCommand, HybridAddsItsRuntimeAndDefine) {
    CommandCase c;
    PkgProbes probes;
    probes.libuv = true;
    const std::string cmd = c.build("#define JSC_HYBRID 1\njsc_hybrid_boot_island(", false, probes);
    EXPECT_NE(cmd.find(c.q(c.rt + "jsc_orvan_qjs.cpp") + " " + c.q(c.rt + "jsc_hybrid_runtime.cpp")),
              std::string::npos);
    EXPECT_NE(cmd.find(" -DJSC_QJS_CONTROL_PLANE=1 -DJSC_HYBRID=1 -lm"), std::string::npos);
}

TEST(CompilerCommand, NodeIoWithoutEventLoopNeedsLibuvButNotItsFlags) {
    CommandCase c;
    PkgProbes probes;
    probes.libuv = true;
    PkgFlags flags;
    flags.uvCflags = "-I/uv";
    const std::string cmd = c.build("#define JSC_RUNTIME_NODE_IO 1", false, probes, flags);
    EXPECT_EQ(cmd.find("JSC_HAVE_UV"), std::string::npos);
    EXPECT_EQ(cmd.find("jsc_event_loop.cpp"), std::string::npos);
    EXPECT_NE(cmd.find(" -DJSC_RUNTIME_NODE_IO=1 -lm"), std::string::npos);
}

TEST(CompilerCommand, EventLoopWithoutLibuvStillCompilesTheLoop) {
    CommandCase c;
    const std::string cmd = c.build("const char* s = \"jsc_uv_\";", false, PkgProbes{});
    EXPECT_NE(cmd.find("jsc_event_loop.cpp"), std::string::npos);
    EXPECT_EQ(cmd.find("JSC_HAVE_UV"), std::string::npos);
}

TEST(CompilerCommand, WebViewFlagsComeFromTheChosenPackage) {
    CommandCase c;
    PkgProbes probes;
    probes.gtk = probes.webviewPkg = true;  // webkit2gtk-4.1 absent, 4.0 present
    EXPECT_EQ(probes.webviewPkgName(), "webkit2gtk-4.0");
    PkgFlags flags;
    flags.gtkCflags = "-I/gtk";
    flags.gtkLibs = "-lgtk";
    flags.webviewCflags = "-I/wk40";
    flags.webviewLibs = "-lwk40";
    c.req.extraFlags = "-O3\t-g\n";
    const std::string cmd = c.build("", true, probes, flags);
    EXPECT_EQ(cmd.find("'c++' -std=c++17 -O2 -Wall -Wextra -I" + c.q(c.layout.srcRoot) +
                       " -I/gtk -I/wk40 -o"),
              0u);
    EXPECT_NE(cmd.find(c.q(c.rt + "jsc_webview_linux.cpp") + " " + c.q(c.rt + "jsc_embed_stub.cpp")),
              std::string::npos);
    EXPECT_NE(cmd.find("jsc_orvan_native_linux.cpp"), std::string::npos);
    EXPECT_NE(cmd.find(" -lm -pthread -ldl -lgtk -lwk40 '-O3' '-g' 2>&1"), std::string::npos);
}

TEST(CompilerCommand, WebViewUsesTheAssetFileOnlyWhenItExists) {
    CommandCase c;
    PkgProbes probes;
    probes.gtk = probes.webviewPkg = probes.webkit41 = true;
    const fs::path assets = c.root.write("build/jsc_assets.cpp", "// assets\n");
    EXPECT_NE(c.build("", true, probes, {}, assets).find(c.q(assets.generic_string())),
              std::string::npos);
    EXPECT_NE(c.build("", true, probes, {}, c.root.path() / "missing.cpp").find("jsc_embed_stub.cpp"),
              std::string::npos);
    // A text that defines the web view asks for one too.
    EXPECT_NE(c.build("#define JSC_RUNTIME_WEBVIEW 1", false, probes).find("jsc_webview_linux.cpp"),
              std::string::npos);
}

TEST(CompilerCommand, WebViewWithoutItsPackagesStops) {
    CommandCase c;
    PkgProbes probes;
    probes.gtk = true;
    EXPECT_EQ(messageOf([&] { c.build("", true, probes); }), kWebviewMessage);
    probes.gtk = false;
    probes.webviewPkg = true;
    EXPECT_EQ(messageOf([&] { c.build("", true, probes); }), kWebviewMessage);
}

TEST(CompilerCommand, ExtraFlagsOfBlanksOnlyStillAddOneBlank) {
    CommandCase c;
    c.req.extraFlags = "   ";
    EXPECT_NE(c.build("", false, PkgProbes{}).find(" -ldl  2>&1"), std::string::npos);
}

TEST(CompilerCommand, ExtraFlagsAreSeparateWordsTheShellNeverExpands) {
    EXPECT_EQ(quoteFlagWords(" -O1\t-DX=1\n"), "'-O1' '-DX=1'");
    EXPECT_EQ(quoteFlagWords("-O1; touch PWN"), "'-O1;' 'touch' 'PWN'");
    EXPECT_EQ(quoteFlagWords("$(id) `id` -D'a b'"), "'$(id)' '`id`' '-D'\\''a' 'b'\\'''");
    EXPECT_EQ(quoteFlagWords(" \t "), "");
}

TEST(FlattenFlags, JoinsLinesWithSingleBlanks) {
    EXPECT_EQ(flattenFlagsForShell("  -I/a\t\t-I/b\r\n-lc  "), "-I/a -I/b -lc");
    EXPECT_EQ(flattenFlagsForShell("-a\v-b\f"), "-a\v-b\f");
    EXPECT_EQ(flattenFlagsForShell(" \t\r\n "), "");
    EXPECT_EQ(flattenFlagsForShell(""), "");
}

TEST(ReadPkgCfgLine, JoinsTheAnswerOnOneLine) {
    EXPECT_EQ(readPkgCfgLine("printf ' -I/a\\n -I/b \\n'"), "-I/a -I/b");
}

// invokeCompiler with a stand-in compiler: a script that records its arguments.
class InvokeCompiler : public ::testing::Test {
protected:
    TempDir dir{"cxx"};
    fs::path argsFile = dir.path() / "args.txt";

    std::string fakeCompiler(const std::string& body) {
        return dir.write("fake cxx.sh",
                       "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                           argsFile.string() + "'\n" + body + "\n",
                       true)
            .string();
    }
};

TEST_F(InvokeCompiler, SucceedsOnlyOnExitStatusZero) {
    const fs::path cc = dir.write("in.cc", "int main(){}");
    EXPECT_NO_THROW(invokeCompiler(dir.str(), fakeCompiler("exit 0"), cc, "out", "", false, {}, ""));
    const std::string failed = "orvan: C++ compiler failed.\n(hint run with --print-c to inspect)";
    EXPECT_EQ(messageOf([&] {
                  invokeCompiler(dir.str(), fakeCompiler("exit 3"), cc, "out", "", false, {}, "");
              }),
              failed);
    EXPECT_EQ(messageOf([&] {
                  invokeCompiler(dir.str(), fakeCompiler("kill -9 $$"), cc, "out", "", false, {}, "");
              }),
              failed);
    EXPECT_EQ(messageOf([&] {
                  invokeCompiler(dir.str(), (dir.path() / "no-such-cxx").string(), cc, "out", "",
                                 false, {}, "");
              }),
              failed);
}

TEST_F(InvokeCompiler, ShellCharactersInPathsRunNothing) {
    for (const std::string name : {"a$(touch pwned)b", "q\"uote", "back`touch pwned`\\slash"}) {
        const fs::path inst = dir.path() / name;
        fs::create_directories(inst);
        const fs::path cc = dir.write(name + "/in.cc", "int main(){}");
        const std::string out = (inst / "prog").string();
        const std::string cxx = fakeCompiler("exit 0");
        const fs::path cwd = fs::current_path();
        fs::current_path(dir.path());
        invokeCompiler(inst.string(), cxx, cc, out, "", false, {}, "");
        fs::current_path(cwd);
        EXPECT_FALSE(fs::exists(dir.path() / "pwned")) << name;
        const std::string args = slurp(argsFile);
        EXPECT_NE(args.find("\n-o\n" + out + "\n" + cc.generic_string() + "\n"), std::string::npos)
            << args;
        EXPECT_NE(args.find("-I" + fs::weakly_canonical(inst / "src").generic_string() + "\n"),
                  std::string::npos)
            << args;
    }
}
