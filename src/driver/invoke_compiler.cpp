#include "driver/invoke_compiler.h"

#include "support/shell.h"

#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const char* const objs[] = {"quickjs.o", "dtoa.o", "libregexp.o",
                            "libunicode.o", "cutils.o", "quickjs-libc.o"};

std::string canonicalGeneric(const fs::path& p) { return fs::weakly_canonical(p).generic_string(); }

bool contains(const std::string& text, const char* marker) {
    return text.find(marker) != std::string::npos;
}

void appendQuoted(std::string& list, const std::string& path) {
    list += " ";
    list += shellQuote(path);
}

void appendFlags(std::string& cmd, const std::string& answer) {
    if (!answer.empty()) cmd += " " + answer;
}

std::string pkgConfigQuery(const std::string& what, const std::string& package) {
    const std::string command = "pkg-config --" + what + " " + package + " 2>/dev/null";
    return readPkgCfgLine(command.c_str());
}

}  // namespace

std::string quoteFlagWords(const std::string& flags) {
    std::string out;
    const std::string flat = flattenFlagsForShell(flags);
    std::size_t start = 0;
    while (start < flat.size()) {
        std::size_t end = flat.find(' ', start);
        if (end == std::string::npos) end = flat.size();
        if (!out.empty()) out += ' ';
        out += shellQuote(flat.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

std::string readPkgCfgLine(const char* command) { return flattenFlagsForShell(readPipe(command)); }

std::string flattenFlagsForShell(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    std::string out;
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const size_t last = out.find_last_not_of(' ');
    return out.substr(first, last - first + 1);
}

CompilerLayout compilerLayout(const std::string& root) {
    const fs::path r(root);
    return {canonicalGeneric(r / "src"), canonicalGeneric(r / "vendor" / "quickjs"),
            canonicalGeneric(r / "vendor" / "quickjs" / "obj"), r};
}

CompileSwitches compileSwitches(const std::string& src, bool webview) {
    CompileSwitches sw;
    sw.quickjs = contains(src, "#define JSC_RUNTIME_QUICKJS") || contains(src, "jsc_quickjs_");
    sw.eventLoop = contains(src, "#define JSC_RUNTIME_UV") || contains(src, "jsc_uv_");
    sw.nodeIo = contains(src, "JSC_RUNTIME_NODE_IO");
    sw.controlPlane =
        contains(src, "JSC_QJS_CONTROL_PLANE") || contains(src, "jsc_control_plane_run_embedded");
    sw.hybrid = contains(src, "JSC_HYBRID") || contains(src, "jsc_hybrid_boot_island");
    sw.webview = webview || contains(src, "#define JSC_RUNTIME_WEBVIEW");
    return sw;
}

CompileInputs compileInputs(const CompilerLayout& layout, const CompileSwitches& sw,
                            const PkgProbes& probes, const fs::path& embedCpp) {
    CompileInputs in;
    const std::string rt = layout.srcRoot + "/runtime/";
    if (sw.quickjs) {
        appendQuoted(in.sources, rt + "jsc_quickjs_fallback.cpp");
        for (const char* name : objs)
            appendQuoted(in.objects, (fs::path(layout.engineObj) / name).generic_string());
    }
    if (sw.quickjs || sw.eventLoop) appendQuoted(in.sources, rt + "jsc_event_loop.cpp");
    appendQuoted(in.sources, rt + "jsc_node_io.cpp");
    if (sw.controlPlane || sw.hybrid) {
        appendQuoted(in.sources, rt + "jsc_qjs_node_bridge.cpp");
        appendQuoted(in.sources, rt + "jsc_orvan_qjs.cpp");
        if (sw.hybrid) appendQuoted(in.sources, rt + "jsc_hybrid_runtime.cpp");
    }
    const fs::path runtimeDir = layout.installRoot / "src" / "runtime";
    const std::string webviewStub = canonicalGeneric(runtimeDir / "jsc_webview_stub.cpp");
    const std::string embedStub = canonicalGeneric(runtimeDir / "jsc_embed_stub.cpp");
    if (!sw.webview) {
        appendQuoted(in.sources, webviewStub);
    } else {
        if (!probes.gtk || !probes.webviewPkg)
            throw std::runtime_error("WebView builds need gtk+-3.0 + webkit2gtk-4.x dev packages.");
        appendQuoted(in.sources, canonicalGeneric(runtimeDir / "jsc_webview_linux.cpp"));
        const bool haveEmbed = !embedCpp.empty() && fs::exists(embedCpp);
        appendQuoted(in.sources, haveEmbed ? embedCpp.generic_string() : embedStub);
    }
    appendQuoted(in.sources, rt + "jsc_orvan_native_core.cpp");
    appendQuoted(in.sources, rt + (sw.webview ? "jsc_orvan_native_linux.cpp"
                                             : "jsc_orvan_native_gui_stub.cpp"));
    return in;
}

std::string compilerCommand(const CompileRequest& req, const CompilerLayout& layout,
                            const CompileSwitches& sw, const PkgProbes& probes,
                            const PkgFlags& flags, const CompileInputs& inputs) {
    const bool libuvOn = sw.eventLoop && probes.libuv;
    const bool opensslOn = sw.nodeIo && probes.openssl;
    std::string cmd = shellQuote(req.cxx) + " ";
    cmd += "-std=c++17 -O2 -Wall -Wextra -I" + shellQuote(layout.srcRoot);
    appendFlags(cmd, flags.gtkCflags);
    appendFlags(cmd, flags.webviewCflags);
    if (opensslOn) appendFlags(cmd, flags.sslCflags);
    if (sw.quickjs) cmd += " -I" + shellQuote(layout.engineInc);
    cmd += " -o " + shellQuote(req.outPath) + " " + shellQuote(req.cppFile.generic_string());
    cmd += inputs.sources + inputs.objects;
    if (libuvOn) {
        appendFlags(cmd, flags.uvCflags);
        cmd += " -DJSC_HAVE_UV=1";
    }
    if (sw.nodeIo) {
        if (!probes.libuv)
            throw std::runtime_error(
                "orvan: require('http'|'net'|\u2026) needs libuv \u2014 install libuv development "
                "packages (pkg-config libuv).");
        cmd += " -DJSC_RUNTIME_NODE_IO=1";
        if (opensslOn) cmd += " -DJSC_HAVE_OPENSSL=1";
    }
    if (sw.controlPlane || sw.hybrid) {
        cmd += " -DJSC_QJS_CONTROL_PLANE=1";
        if (sw.hybrid) cmd += " -DJSC_HYBRID=1";
    }
    if (sw.quickjs) cmd += " -DJSC_RUNTIME_QUICKJS=1";
    cmd += " -lm -pthread";
    cmd += " -ldl";
    appendFlags(cmd, flags.gtkLibs);
    appendFlags(cmd, flags.webviewLibs);
    if (!req.extraFlags.empty()) cmd += " " + quoteFlagWords(req.extraFlags);
    if (libuvOn) appendFlags(cmd, flags.uvLibs);
    if (opensslOn) appendFlags(cmd, flags.sslLibs);
    cmd += " 2>&1";
    return cmd;
}

void invokeCompiler(const std::string& root, const std::string& cxx, const fs::path& cppFile,
                    const std::string& outPath, const std::string& cppSource, bool webview,
                    const fs::path& embedCpp, const std::string& extraFlags) {
    const CompilerLayout layout = compilerLayout(root);
    const CompileSwitches sw = compileSwitches(cppSource, webview);

    PkgProbes probes;
    probes.libuv = runShell("pkg-config --exists libuv >/dev/null 2>&1");
    probes.gtk = runShell("pkg-config --exists gtk+-3.0 >/dev/null 2>&1");
    probes.webkit41 = runShell("pkg-config --exists webkit2gtk-4.1 >/dev/null 2>&1");
    const std::string wv = probes.webviewPkgName();
    probes.webviewPkg = runShell("pkg-config --exists " + wv + " >/dev/null 2>&1");

    const CompileInputs inputs = compileInputs(layout, sw, probes, embedCpp);

    PkgFlags flags;
    if (probes.gtk && probes.webviewPkg && sw.webview) {
        flags.gtkCflags = pkgConfigQuery("cflags", "gtk+-3.0");
        flags.gtkLibs = pkgConfigQuery("libs", "gtk+-3.0");
        flags.webviewCflags = pkgConfigQuery("cflags", wv);
        flags.webviewLibs = pkgConfigQuery("libs", wv);
    }
    if (sw.eventLoop && probes.libuv) {
        flags.uvCflags = pkgConfigQuery("cflags", "libuv");
        flags.uvLibs = pkgConfigQuery("libs", "libuv");
    }
    probes.openssl = runShell("pkg-config --exists openssl >/dev/null 2>&1");
    if (sw.nodeIo && probes.openssl) {
        flags.sslCflags = pkgConfigQuery("cflags", "openssl");
        flags.sslLibs = pkgConfigQuery("libs", "openssl");
    }

    const std::string cmd =
        compilerCommand({cxx, cppFile, outPath, extraFlags}, layout, sw, probes, flags, inputs);
    if (!runShell(cmd))
        throw std::runtime_error("orvan: C++ compiler failed.\n(hint run with --print-c to inspect)");
}
