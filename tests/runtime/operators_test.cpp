// Equality, comparison, +, typeof, truthiness and updates as Node evaluates them.
#include "runtime_support.h"

#include <cmath>

namespace {
bool truth(const JsValue& v) { return js_truthy(v) != 0; }
}  // namespace

TEST(Operators, EqualityMatrix) {
    JsValue obj = js_obj_new();
    JsValue values[] = {JS_UNDEFINED(), JS_NULL(), JS_BOOL(1), JS_NUM(1), JS_STR("1"), obj, JS_NUM(NAN)};
    // == and === share js_eq: strict, except that null and undefined are equal.
    const bool expected[7][7] = {
        {1, 1, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0, 0}, {0, 0, 0, 1, 0, 0, 0},
        {0, 0, 0, 0, 1, 0, 0}, {0, 0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 0},
    };
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 7; ++j) {
            EXPECT_EQ(truth(js_eq(values[i], values[j])), expected[i][j]) << i << "," << j;
            EXPECT_EQ(truth(js_neq(values[i], values[j])), !expected[i][j]) << i << "," << j;
        }
    EXPECT_TRUE(truth(js_eq(JS_NUM(0), JS_NUM(-0.0))));
    EXPECT_TRUE(truth(js_eq(JS_STR("\xC3\xA9"), JS_STR("\xC3\xA9"))));
    EXPECT_FALSE(truth(js_eq(js_obj_new(), js_obj_new())));
}

TEST(Operators, RelationalComparisons) {
    EXPECT_FALSE(truth(js_lt(JS_STR("\xC3\xA9"), JS_STR("f"))));
    EXPECT_TRUE(truth(js_lt(JS_STR("Z"), JS_STR("a"))));
    EXPECT_TRUE(truth(js_lt(JS_STR("10"), JS_STR("9"))));
    EXPECT_FALSE(truth(js_lt(JS_STR("10"), JS_NUM(9))));
    EXPECT_TRUE(truth(js_lt(JS_NULL(), JS_NUM(1))));
    EXPECT_FALSE(truth(js_lt(JS_UNDEFINED(), JS_NUM(1))));
    // UTF-16 order: a surrogate (0xD83D) sorts below U+FFFF
    EXPECT_FALSE(truth(js_lt(JS_STR("\xEF\xBF\xBF"), JS_STR("\xF0\x9F\x98\x80"))));
    EXPECT_TRUE(truth(js_gt(json("[2]"), JS_NUM(1))));
    EXPECT_TRUE(truth(js_gte(JS_STR("abc"), JS_STR("abc"))));
    EXPECT_FALSE(truth(js_lte(JS_NUM(NAN), JS_NUM(NAN))));
    EXPECT_FALSE(truth(js_gte(JS_NUM(NAN), JS_NUM(1))));
}

TEST(Operators, AdditionAndArithmetic) {
    EXPECT_EQ(str(js_add(JS_NUM(1), JS_STR("2"))), "12");
    EXPECT_EQ(str(js_mul(JS_STR("3"), JS_STR("4"))), "12");
    EXPECT_EQ(str(js_add(json("[1,2]"), JS_STR(""))), "1,2");
    EXPECT_EQ(str(js_add(js_obj_new(), JS_STR("x"))), "[object Object]x");
    EXPECT_EQ(str(js_add(JS_NULL(), JS_NUM(1))), "1");
    EXPECT_EQ(str(js_add(JS_UNDEFINED(), JS_NUM(1))), "NaN");
    EXPECT_EQ(str(js_add(JS_BOOL(1), JS_NUM(1))), "2");
    EXPECT_EQ(str(js_add(JS_STR("a"), JS_NULL())), "anull");
    EXPECT_EQ(str(js_add(json("[]"), json("[]"))), "");
    EXPECT_EQ(str(js_mod(JS_NUM(7), JS_NUM(-3))), "1");
    EXPECT_EQ(str(js_mod(JS_NUM(-7), JS_NUM(3))), "-1");
    EXPECT_EQ(str(js_pow(JS_NUM(2), JS_NUM(10))), "1024");
    EXPECT_EQ(str(js_pow(JS_NUM(1), JS_NUM(INFINITY))), "NaN");
    EXPECT_EQ(str(js_div(JS_NUM(5), JS_NUM(0))), "Infinity");
    EXPECT_EQ(str(js_neg(JS_STR("3"))), "-3");
    EXPECT_EQ(logLine(js_neg(JS_NUM(0))), "-0");
}

TEST(Operators, TypeofTruthinessAndLogicalOperands) {
    EXPECT_EQ(str(js_typeof(JS_NULL())), "object");
    EXPECT_EQ(str(js_typeof(JS_UNDEFINED())), "undefined");
    EXPECT_EQ(str(js_typeof(JS_STR("s"))), "string");
    EXPECT_EQ(str(js_typeof(JS_NUM(1))), "number");
    EXPECT_EQ(str(js_typeof(JS_BOOL(0))), "boolean");
    EXPECT_EQ(str(js_typeof(js_obj_new())), "object");
    EXPECT_EQ(str(js_typeof(json("[]"))), "object");
    EXPECT_EQ(str(js_typeof(parseInt)), "function");
    for (const JsValue& f : {JS_UNDEFINED(), JS_NULL(), JS_BOOL(0), JS_NUM(0), JS_NUM(-0.0), JS_NUM(NAN), JS_STR("")})
        EXPECT_FALSE(truth(f));
    for (const JsValue& t : {JS_STR("0"), JS_STR(" "), json("[]"), js_obj_new(), JS_NUM(-1)}) EXPECT_TRUE(truth(t));
    EXPECT_EQ(str(js_or(JS_NUM(0), JS_STR("x"))), "x");
    EXPECT_EQ(inspect(js_and(JS_STR(""), JS_NUM(1))), "''");
    EXPECT_EQ(str(js_and(JS_NUM(1), JS_STR("y"))), "y");
    EXPECT_EQ(str(js_or(JS_NULL(), JS_NUM(0))), "0");
    EXPECT_EQ(str(js_not(JS_STR(""))), "true");
}

TEST(Operators, IncrementsConvertWithToNumber) {
    JsOwned i = JsOwned::from_value(JS_STR("5"));
    EXPECT_EQ(str(js_postinc(i.ptr())), "5");
    EXPECT_EQ(str(i.borrow()), "6");
    EXPECT_EQ(str(js_preinc(i.ptr())), "7");
    EXPECT_EQ(str(js_predec(i.ptr())), "6");
    EXPECT_EQ(str(js_postdec(i.ptr())), "6");
    JsValue u;
    EXPECT_EQ(str(js_preinc(&u)), "NaN");
}
