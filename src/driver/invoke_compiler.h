#pragma once
#include <filesystem>
#include <string>

// Runs the system C++ compiler on one generated translation unit (already written
// to `cppFile`) together with the runtime sources and engine objects that the text
// asks for. Throws std::runtime_error with the user's message on failure.
void invokeCompiler(const std::string& root, const std::string& cxx,
                    const std::filesystem::path& cppFile, const std::string& outPath,
                    const std::string& cppSource, bool webview,
                    const std::filesystem::path& embedCpp, const std::string& extraFlags);

// One pkg-config answer as one line of flags.
std::string readPkgCfgLine(const char* command);
// The text on one line with single blanks (tabs and line ends count as blanks).
std::string flattenFlagsForShell(std::string text);

// The pieces below let the command be built and inspected without running anything.

// Where the installation keeps what a compile needs, each made weakly canonical.
struct CompilerLayout {
    std::string srcRoot;    // runtime headers; runtime sources under "/runtime/"
    std::string engineInc;  // engine headers
    std::string engineObj;  // prebuilt engine objects
    std::filesystem::path installRoot;
};
CompilerLayout compilerLayout(const std::string& root);

// What the generated text asks for, by plain substring search.
struct CompileSwitches {
    bool quickjs = false;
    bool eventLoop = false;
    bool nodeIo = false;
    bool controlPlane = false;
    bool hybrid = false;
    bool webview = false;
};
CompileSwitches compileSwitches(const std::string& cppSource, bool webview);

// Answers of the presence probes.
struct PkgProbes {
    bool libuv = false;
    bool gtk = false;
    bool webkit41 = false;
    bool webviewPkg = false;  // the chosen web-view package
    bool openssl = false;
    std::string webviewPkgName() const { return webkit41 ? "webkit2gtk-4.1" : "webkit2gtk-4.0"; }
};

// Answers of the flag queries; a query not made stays empty.
struct PkgFlags {
    std::string gtkCflags, gtkLibs, webviewCflags, webviewLibs;
    std::string uvCflags, uvLibs, sslCflags, sslLibs;
};

// The quoted source list and object list, each entry preceded by one blank.
// Throws the WebView message when a web-view build lacks its packages.
struct CompileInputs {
    std::string sources;
    std::string objects;
};
CompileInputs compileInputs(const CompilerLayout& layout, const CompileSwitches& sw,
                            const PkgProbes& probes, const std::filesystem::path& embedCpp);

struct CompileRequest {
    std::string cxx;
    std::filesystem::path cppFile;
    std::string outPath;
    std::string extraFlags;
};
// The whole shell command. Throws the libuv message for Node I/O without libuv.
std::string compilerCommand(const CompileRequest& req, const CompilerLayout& layout,
                            const CompileSwitches& sw, const PkgProbes& probes,
                            const PkgFlags& flags, const CompileInputs& inputs);

// The user's extra compiler flags as shell words: split at blanks, tabs and line
// ends, each word quoted on its own, so that several flags still arrive as
// several arguments but nothing in them is expanded or run by the shell.
std::string quoteFlagWords(const std::string& flags);
