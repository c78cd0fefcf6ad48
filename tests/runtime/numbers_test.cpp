// Number text and ToNumber, compared with what Node prints for the same values.
#include "runtime_support.h"

#include <cmath>

TEST(Numbers, ToStringMatchesNode) {
    const struct { double in; const char* out; } cases[] = {
        {0, "0"}, {-0.0, "0"}, {-1, "-1"}, {0.1 + 0.2, "0.30000000000000004"}, {1e21, "1e+21"},
        {1e-7, "1e-7"}, {123456789012345680000.0, "123456789012345680000"}, {1.5e-10, "1.5e-10"},
        {9007199254740992.0, "9007199254740992"}, {0.000001, "0.000001"}, {1.0 / 3, "0.3333333333333333"},
        {-1e300, "-1e+300"}, {NAN, "NaN"}, {INFINITY, "Infinity"}, {-INFINITY, "-Infinity"},
        {5e-324, "5e-324"}, {1e20, "100000000000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(jsrt_number_to_string(c.in), c.out) << c.out;
    char* s = js_to_cstr(JS_NUM(-0.0));
    EXPECT_STREQ(s, "0");
    free(s);
    EXPECT_EQ(logLine(JS_NUM(-0.0)), "-0");  // console.log keeps the sign
}

TEST(Numbers, ToNumberOfStringsAndOtherValues) {
    const struct { const char* in; double out; } cases[] = {
        {"  12 ", 12}, {"0x10", 16}, {"", 0}, {"1e3", 1000}, {" -1.5\n", -1.5}, {"0b101", 5},
        {"0o17", 15}, {"+5", 5}, {".5", 0.5}, {"5.", 5}, {"\xC2\xA0" "12\xEF\xBB\xBF", 12},
        {"Infinity", INFINITY}, {"-Infinity", -INFINITY},
    };
    for (const auto& c : cases) EXPECT_EQ((double)js_to_num(JS_STR(c.in)), c.out) << c.in;
    for (const char* bad : {"abc", "1_0", "-0x10", "1e", "0x", "inf", "nan"})
        EXPECT_TRUE(std::isnan(js_to_num(JS_STR(bad)))) << bad;
    EXPECT_EQ((double)js_to_num(JS_NULL()), 0);
    EXPECT_TRUE(std::isnan(js_to_num(JS_UNDEFINED())));
    EXPECT_EQ((double)js_to_num(JS_BOOL(1)), 1);
    EXPECT_EQ((double)js_to_num(json("[]")), 0);
    EXPECT_EQ((double)js_to_num(json("[5]")), 5);
    EXPECT_TRUE(std::isnan(js_to_num(js_obj_new())));
}

TEST(Numbers, BitwiseCastAppliesToInt32) {
    EXPECT_EQ((long long)js_to_num(JS_NUM(4294967301.0)), 5);
    EXPECT_EQ((long long)js_to_num(JS_NUM(3.7)), 3);
    EXPECT_EQ((long long)js_to_num(JS_NUM(-3.7)), -3);
    EXPECT_EQ((long long)js_to_num(JS_NUM(NAN)), 0);
    EXPECT_EQ((long long)js_to_num(JS_NUM(INFINITY)), 0);
    EXPECT_EQ((long long)js_to_num(JS_NUM(2147483648.0)), -2147483648LL);
    // the generator's form of 2**32 + 5 | 0 and ~5
    EXPECT_EQ(str(JS_NUM((long long)js_to_num(JS_NUM(4294967301.0)) | (long long)js_to_num(JS_NUM(0)))), "5");
    EXPECT_EQ(str(~JS_NUM(5)), "-6");
    EXPECT_EQ(str(+JS_STR(" 7 ")), "7");
}

TEST(Numbers, ToFixedToPrecisionAndRadix) {
    auto call = [](double x, const char* m, const JsValue& a) { return str(js_jsc_cm1(JS_NUM(x), JS_STR(m), a)); };
    EXPECT_EQ(call(1.005, "toFixed", JS_NUM(2)), "1.00");
    EXPECT_EQ(call(0.5, "toFixed", JS_NUM(0)), "1");
    EXPECT_EQ(call(2.5, "toFixed", JS_NUM(0)), "3");
    EXPECT_EQ(call(-1.5, "toFixed", JS_NUM(0)), "-2");
    EXPECT_EQ(call(1.45, "toFixed", JS_NUM(1)), "1.4");
    EXPECT_EQ(call(-0.001, "toFixed", JS_NUM(2)), "-0.00");
    EXPECT_EQ(call(1e21, "toFixed", JS_NUM(2)), "1e+21");
    EXPECT_EQ(call(0, "toFixed", JS_NUM(3)), "0.000");
    EXPECT_EQ(call(255, "toString", JS_NUM(16)), "ff");
    EXPECT_EQ(call(255, "toString", JS_NUM(2)), "11111111");
    EXPECT_EQ(call(-255, "toString", JS_NUM(36)), "-73");
    EXPECT_EQ(call(0.5, "toString", JS_NUM(2)), "0.1");
    EXPECT_EQ(call(3.75, "toString", JS_NUM(16)), "3.c");
    EXPECT_EQ(call(0.1, "toString", JS_NUM(3)), "0.0022002200220022002200220022002201");
    EXPECT_EQ(call(-24112.15151515151515, "toString", JS_NUM(7)), "-130204.1026534146103");
    EXPECT_EQ(call(1e21, "toString", JS_NUM(16)), "3635c9adc5dea00000");
    EXPECT_EQ(call(123.456, "toPrecision", JS_NUM(4)), "123.5");
    EXPECT_EQ(call(0.000123, "toPrecision", JS_NUM(2)), "0.00012");
    EXPECT_EQ(call(123456, "toPrecision", JS_NUM(2)), "1.2e+5");
    // exact ties round up, as JavaScript specifies (printf would round to even)
    EXPECT_EQ(call(89014.5, "toPrecision", JS_NUM(5)), "89015");
    EXPECT_EQ(call(2.5, "toPrecision", JS_NUM(1)), "3");
    EXPECT_EQ(call(-1.25, "toPrecision", JS_NUM(2)), "-1.3");
    EXPECT_EQ(call(99.5, "toPrecision", JS_NUM(2)), "1.0e+2");
    EXPECT_EQ(call(0, "toPrecision", JS_NUM(3)), "0.00");
    EXPECT_EQ(call(-0.0, "toPrecision", JS_NUM(2)), "0.0");
    EXPECT_EQ(call(1e21, "toPrecision", JS_NUM(3)), "1.00e+21");
    EXPECT_EQ(thrownText([&] { call(1, "toFixed", JS_NUM(101)); }),
              "RangeError: toFixed() digits argument must be between 0 and 100");
    EXPECT_EQ(thrownText([&] { call(1, "toString", JS_NUM(1)); }),
              "RangeError: toString() radix must be between 2 and 36");
}

TEST(Numbers, ParseIntAndParseFloat) {
    auto pi = [](const char* s) { return str(parseInt(JsOwned::from_value(JS_STR(s))).borrow()); };
    auto pf = [](const char* s) { return str(parseFloat(JsOwned::from_value(JS_STR(s))).borrow()); };
    EXPECT_EQ(pi("  42px"), "42");
    EXPECT_EQ(pi("0x1f"), "31");
    EXPECT_EQ(pi("-12.9"), "-12");
    EXPECT_EQ(pi("abc"), "NaN");
    EXPECT_EQ(pi(""), "NaN");
    EXPECT_EQ(str(parseInt(JsOwned(JS_STR("z")), JsOwned(JS_NUM(36))).borrow()), "35");
    EXPECT_EQ(str(parseInt(JsOwned(JS_STR("10")), JsOwned(JS_NUM(2))).borrow()), "2");
    EXPECT_EQ(pf("3.14abc"), "3.14");
    EXPECT_EQ(pf(" -1e3x"), "-1000");
    EXPECT_EQ(pf(".5"), "0.5");
    EXPECT_EQ(pf("Infinityx"), "Infinity");
    EXPECT_EQ(pf("e5"), "NaN");
}
