#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

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
)JS";

bool runtimeHeadersAt(const std::filesystem::path& dir) {
    for (const char* h : {"js_value.hpp", "js_node.h", "js_globals.h"})
        if (!std::filesystem::exists(dir / h)) return false;
    return true;
}

}  // namespace

TEST(ProgramCompile, EveryFormCompilesAgainstTheRuntimeHeaders) {
    const char* env = std::getenv("ORVAN_RUNTIME_INCLUDE");
    const std::filesystem::path include = env && *env ? env : std::string(ORVAN_SOURCE_DIR) + "/src";
    if (!runtimeHeadersAt(include)) GTEST_SKIP() << "runtime headers not present in " << include;
    testing::internal::CaptureStderr();
    const std::string text = emitProgram(kProgram);
    testing::internal::GetCapturedStderr();
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("orvan_codegen_forms_" + std::to_string(getpid()) + ".cpp");
    std::ofstream(file) << text;
    const std::string cmd = "g++ -std=c++17 -fsyntax-only -I \"" + include.string() + "\" \"" + file.string() + "\" 2>&1";
    FILE* pipe = popen(cmd.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) output.append(buf, n);
    const int status = pclose(pipe);
    std::filesystem::remove(file);
    EXPECT_EQ(status, 0) << output;
}
