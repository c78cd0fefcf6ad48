#include <gtest/gtest.h>

#include "project/byte_array.h"
#include "project/control_plane.h"

namespace {

std::vector<unsigned char> bytesOf(const std::string& s) { return std::vector<unsigned char>(s.begin(), s.end()); }

std::vector<unsigned char> counting(size_t n) {
    std::vector<unsigned char> v;
    for (size_t i = 0; i < n; ++i) v.push_back(static_cast<unsigned char>(i + 1));
    return v;
}

const char* const kHead =
    "/* orvan generated: control plane (QuickJS + native I/O) */\n"
    "#define JSC_RUNTIME_QUICKJS 1\n"
    "#define JSC_RUNTIME_UV 1\n"
    "#define JSC_HAVE_UV 1\n"
    "#define JSC_RUNTIME_NODE_IO 1\n"
    "#define JSC_QJS_CONTROL_PLANE 1\n"
    "#include \"runtime/jsc_runtime.h\"\n"
    "#include <stddef.h>\n";

const char* const kMain =
    "int main() {\n"
    "  jsc_control_plane_run_embedded(jsc_control_bundle, jsc_control_bundle_len);\n"
    "  jsc_uv_run_loop_forever();\n"
    "  return 0;\n"
    "}\n";

const char* const kTwentyEntries =
    "0x01,0x02,0x03,0x04,0x05,0x06,0x07,0x08,0x09,0x0a,0x0b,0x0c,0x0d,0x0e,0x0f,0x10,0x11,0x12,0x13,0x14,";

}  // namespace

TEST(ControlPlaneUnit, WholeTextForThreeBytes) {
    EXPECT_EQ(emitControlPlaneCpp(bytesOf("abc")),
              std::string(kHead) +
                  "static const unsigned char jsc_control_bundle[] = {\n"
                  "0x61,0x62,0x63,0x00\n"
                  "};\n"
                  "static const size_t jsc_control_bundle_len = 3;\n" +
                  kMain);
}

TEST(ControlPlaneUnit, EmptyInputHoldsOnlyTheClosingEntry) {
    EXPECT_EQ(emitControlPlaneCpp({}), std::string(kHead) +
                                           "static const unsigned char jsc_control_bundle[] = {0x00\n"
                                           "};\n"
                                           "static const size_t jsc_control_bundle_len = 0;\n" +
                                           kMain);
}

TEST(ByteArray, TwentyEntriesFillALineAndTheTwentyFirstStartsAnother) {
    std::string twenty;
    appendByteArray(twenty, "a", counting(20));
    EXPECT_EQ(twenty, std::string("static const unsigned char a[] = {\n") + kTwentyEntries + "0x00\n};\n");

    std::string twentyOne;
    appendByteArray(twentyOne, "a", counting(21));
    EXPECT_EQ(twentyOne, std::string("static const unsigned char a[] = {\n") + kTwentyEntries + "\n0x15,0x00\n};\n");
}

TEST(ByteArray, HighAndNulBytesAreWrittenUnsignedAndCounted) {
    const std::vector<unsigned char> bytes = {0x00, 0x7f, 0x80, 0xff, 0x00};
    const std::string unit = emitControlPlaneCpp(bytes);
    EXPECT_NE(unit.find("{\n0x00,0x7f,0x80,0xff,0x00,0x00\n};\nstatic const size_t jsc_control_bundle_len = 5;\n"),
              std::string::npos);
}

TEST(HybridIslandArray, SameByteLinesUnderItsOwnNames) {
    EXPECT_EQ(emitHybridIslandArray(counting(21)),
              std::string("/* orvan generated: embedded QuickJS npm island (true hybrid) */\n"
                          "static const unsigned char jsc_hybrid_island_bundle[] = {\n") +
                  kTwentyEntries +
                  "\n0x15,0x00\n};\n"
                  "static const unsigned long long jsc_hybrid_island_bundle_len = 21ULL;\n");
    EXPECT_EQ(emitHybridIslandArray({}),
              "/* orvan generated: embedded QuickJS npm island (true hybrid) */\n"
              "static const unsigned char jsc_hybrid_island_bundle[] = {0x00\n};\n"
              "static const unsigned long long jsc_hybrid_island_bundle_len = 0ULL;\n");
}
