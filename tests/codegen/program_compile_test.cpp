#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <fstream>
#include <unistd.h>

#include "driver/invoke_compiler.h"
#include "js_fixture.h"

namespace {

// Every statement and expression form the generator lowers, in one program.
const char* const kProgram = R"JS(
var count = 0;
var label = 'total';
var flags = { a: 1, 'b': 2, 3: 'three' };
function add(a, b) { return a + b; }
function classify(n) {
  switch (n % 3) {
    case 0: return 'fizz';
    case 1: count += 1; break;
    default: count -= 1;
  }
  switch (n) {
    case 4:
    case 5: count++; break;
    default: --count; case 7: count = count * 2;
  }
  return n > 2 ? 'big' : 'small';
}
function walk(limit) {
  var i = 0, acc = 0;
  for (var j = 0; j < limit; j++) {
    if (j === 2) continue;
    acc = acc + j;
  }
  while (i < limit) { i = i + 1; if (i > 10) break; }
  do { i--; } while (i > 0);
  for (;;) { break; }
  for (i = 0; i < 2; ++i) acc += i;
  return acc;
}
function bits(x) {
  var y = (x | 0) & 255;
  y ^= 3; y <<= 1; y >>= 1; y >>>= 0;
  return ~y + (1 << 31) + (x >>> 1) + (-x) + (+x);
}
function guard(v) {
  try {
    if (!v) throw 'missing';
    return v;
  } catch (e) {
    return e;
  }
}
function objects(o, k) {
  o.size = 3;
  o[k] = 4;
  o.size += 1;
  o[k] *= 2;
  o.hits++;
  delete o.size;
  var has = 'size' in o;
  var same = o instanceof Object;
  var t = typeof o;
  var nothing = void 0;
  var both = (count, label);
  return has && same || t === 'object' && nothing == null && both;
}
var cb = function (z) { return z; };
var env = process.env.HOME;
var result = add(1, 2);
count = count + result;
flags.c = [1, 2];
if (count >= 3 && label !== 'x') { count = 0; } else if (count < 0) { count = 1; } else { count = 2; }
var w; while ((w = count) > 100) { break; }
)JS";

// A program whose output must match node's: both switch lowerings, loops, 32-bit operators, try/catch,
// member updates and object literals.
const char* const kRunProgram = R"JS(
var count = 0;
var label = 'total';
var flags = { a: 1, 'b': 2, 3: 'three' };
function add(a, b) { return a + b; }
function classify(n) {
  switch (n % 3) {
    case 0: return 'fizz';
    case 1: count += 1; break;
    default: count -= 1;
  }
  switch (n) {
    case 4:
    case 5: count++; break;
    default: --count; case 7: count = count * 2;
  }
  return n > 2 ? 'big' : 'small';
}
function walk(limit) {
  var i = 0, acc = 0;
  for (var j = 0; j < limit; j++) { if (j === 2) continue; acc = acc + j; }
  while (i < limit) { i = i + 1; if (i > 10) break; }
  do { i--; } while (i > 0);
  for (i = 0; i < 2; ++i) acc += i;
  return acc;
}
function bits(x) {
  var y = (x | 0) & 255;
  y ^= 3; y <<= 1; y >>= 1; y >>>= 0;
  console.log(~y, 1 << 31, x >>> 1, -x, +x, 1 << 32, -1 >>> 0, -16 >> 2);
}
function guard(v) {
  try { if (!v) throw 'missing'; return v; } catch (e) { return 'caught ' + e; }
}
function objects(o) {
  o.size = 3; o.size += 1; o.hits = 0; o.hits++;
  var nothing = void 0;
  return typeof o === 'object' && nothing == null && (count, label);
}
count = count + add(1, 2);
for (var n = 0; n < 9; n++) console.log(n, classify(n), count);
console.log(walk(5), guard(0), guard('ok'), objects({}));
bits(-7); bits(1000);
if (count >= 3 && label !== 'x') { count = 0; } else if (count < 0) { count = 1; } else { count = 2; }
console.log(count, flags, 0o17, 0b101, 017);
var none; console.log(none && none.k, flags.a || none.k);
function kind(o) { return kind = function (p) { return typeof p; }, kind(o); }
var firstKind = kind;
console.log(kind(1), kind('s'), firstKind === kind);
var seq; console.log((seq = 1, seq = seq + 1), flags.a ? (seq = 5) : 0, seq);
function assigns() { var p = 1, q = 2; p += q *= 3; return q = p + +(q = 4); }
console.log(assigns());
)JS";

struct RunResult {
    int status;
    std::string output;
};

RunResult run(const std::string& cmd) {
    RunResult r{-1, std::string()};
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) r.output.append(buf, n);
    r.status = pclose(pipe);
    return r;
}

std::filesystem::path runtimeInclude() {
    const char* env = std::getenv("ORVAN_RUNTIME_INCLUDE");
    return env && *env ? std::filesystem::path(env) : std::filesystem::path(ORVAN_SOURCE_DIR) / "src";
}

// Writes the translation unit of `source` to a temporary file.
std::filesystem::path writeUnit(const char* source, const std::string& tag) {
    testing::internal::CaptureStderr();
    const std::string text = emitProgram(source);
    testing::internal::GetCapturedStderr();
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("orvan_codegen_" + tag + "_" + std::to_string(getpid()) + ".cpp");
    std::ofstream(file) << text;
    return file;
}

bool runtimeHeadersAt(const std::filesystem::path& dir) {
    for (const char* h : {"js_value.hpp", "js_node.h", "js_globals.h"})
        if (!std::filesystem::exists(dir / h)) return false;
    return true;
}

}  // namespace

TEST(ProgramCompile, EveryFormCompilesAgainstTheRuntimeHeaders) {
    const std::filesystem::path include = runtimeInclude();
    if (!runtimeHeadersAt(include)) GTEST_SKIP() << "runtime headers not present in " << include;
    const std::filesystem::path file = writeUnit(kProgram, "forms");
    const RunResult r =
        run("g++ -std=c++17 -fsyntax-only -I \"" + include.string() + "\" \"" + file.string() + "\" 2>&1");
    std::filesystem::remove(file);
    EXPECT_EQ(r.status, 0) << r.output;
}

TEST(ProgramRun, PrintsWhatNodePrints) {
    const std::filesystem::path include = runtimeInclude();
    if (!runtimeHeadersAt(include) || !std::filesystem::exists(include / "runtime"))
        GTEST_SKIP() << "runtime library not present in " << include;
    if (run("node --version >/dev/null 2>&1").status != 0) GTEST_SKIP() << "node not found";
    const std::filesystem::path file = writeUnit(kRunProgram, "run");
    const std::filesystem::path js = std::filesystem::path(file).replace_extension(".js");
    const std::filesystem::path exe = std::filesystem::path(file).replace_extension("");
    std::ofstream(js) << kRunProgram;
    // The same command a compile of the program writes: only the runtime sources its text asks for.
    std::string buildError;
    try {
        std::stringstream text;
        text << std::ifstream(file).rdbuf();
        invokeCompiler(include.parent_path().string(), "g++", file, exe.string(), text.str(), false,
                       std::filesystem::path(), "-w");
    } catch (const std::exception& e) {
        buildError = e.what();
    }
    const RunResult ours = run("\"" + exe.string() + "\"");
    const RunResult node = run("node \"" + js.string() + "\"");
    for (const auto& p : {file, js, exe}) std::filesystem::remove(p);
    ASSERT_EQ(buildError, "");
    EXPECT_EQ(ours.output, node.output);
}
