// The globals: Math, the named JsValue globals, the bootstrap that main()
// writes, window.open without a web view and the hybrid dispatcher slot.
#include "runtime_support.h"

#include <cmath>

namespace {
JsValue global() {
    static JsValue g = js_jsc_init_global_this(js_builtin_console(), js_obj_new(), js_obj_new());
    return g;
}
JsValue Math() { return js_obj_get(global(), JS_STR("Math")); }
std::string math(const char* fn, const JsValue& a = JsValue(), const JsValue& b = JsValue()) {
    return str(js_jsc_cm2(Math(), JS_STR(fn), a, b));
}
template <class... A>
std::string callGlobal(const JsValue& fn, const A&... args) {
    return str(fn(JsOwned(args)...).borrow());
}
JsValue dispatchTarget(const char* name, const char* json) {
    return JS_STR((std::string(name) + ":" + (json ? json : "")).c_str());
}
}  // namespace

TEST(Builtins, MathFunctionsAndConstants) {
    EXPECT_EQ(math("round", JS_NUM(2.5)), "3");
    EXPECT_EQ(math("round", JS_NUM(-2.5)), "-2");
    EXPECT_TRUE(std::signbit((double)js_to_num(js_jsc_cm1(Math(), JS_STR("round"), JS_NUM(-0.4)))));
    EXPECT_EQ(str(js_jsc_cm0(Math(), JS_STR("max"))), "-Infinity");
    EXPECT_EQ(math("min", JS_NUM(1), JS_STR("0")), "0");
    EXPECT_EQ(math("max", JS_NUM(1), JS_NUM(NAN)), "NaN");
    EXPECT_EQ(math("hypot", JS_NUM(3), JS_NUM(4)), "5");
    EXPECT_EQ(math("sign", JS_NUM(-3)), "-1");
    EXPECT_EQ(math("trunc", JS_NUM(-4.7)), "-4");
    EXPECT_EQ(math("cbrt", JS_NUM(27)), "3");
    EXPECT_EQ(math("clz32", JS_NUM(1)), "31");
    EXPECT_EQ(math("imul", JS_NUM(4294967295.0), JS_NUM(5)), "-5");
    EXPECT_EQ(math("log2", JS_NUM(8)), "3");
    EXPECT_EQ(math("atan2", JS_NUM(1), JS_NUM(1)), "0.7853981633974483");
    EXPECT_EQ(math("pow", JS_NUM(2), JS_NUM(0.5)), "1.4142135623730951");
    EXPECT_EQ(str(js_obj_get_q(Math(), "PI")), "3.141592653589793");
    EXPECT_EQ(str(js_obj_get_q(Math(), "E")), "2.718281828459045");
    for (int i = 0; i < 100; ++i) {
        double r = js_to_num(js_jsc_cm0(Math(), JS_STR("random")));
        ASSERT_TRUE(r >= 0 && r < 1);
    }
}

TEST(Builtins, NamedGlobalsBehaveAsInNode) {
    EXPECT_EQ(callGlobal(encodeURIComponent, JS_STR("a b&c/\xC3\xA9\xF0\x9F\x98\x80")),
              "a%20b%26c%2F%C3%A9%F0%9F%98%80");
    EXPECT_EQ(callGlobal(decodeURIComponent, JS_STR("a%20b%C3%A9")), "a b\xC3\xA9");
    EXPECT_EQ(thrownText([] { decodeURIComponent(JsOwned(JS_STR("%E0%A4%A"))); }), "URIError: URI malformed");
    EXPECT_EQ(callGlobal(String, json("[1,[2,3]]")), "1,2,3");
    EXPECT_EQ(callGlobal(String, JS_NULL()), "null");
    EXPECT_EQ(callGlobal(Number, JS_STR("  7 ")), "7");
    EXPECT_EQ(callGlobal(Boolean, JS_STR("0")), "true");
    EXPECT_EQ(callGlobal(isNaN, JS_STR("x")), "true");
    EXPECT_EQ(callGlobal(isFinite, JS_STR("12")), "true");
    EXPECT_EQ(str(js_jsc_cm1(Array, JS_STR("isArray"), json("[]"))), "true");
    EXPECT_EQ(str(js_jsc_cm1(Array, JS_STR("isArray"), js_obj_new())), "false");
    EXPECT_EQ(str(js_jsc_cm1(Number, JS_STR("isInteger"), JS_NUM(5))), "true");
    EXPECT_EQ(str(js_jsc_cm2(String, JS_STR("fromCharCode"), JS_NUM(72), JS_NUM(105))), "Hi");
    EXPECT_EQ(callGlobal(Error, JS_STR("x")), "Error: x");
    EXPECT_EQ(callGlobal(TypeError, JS_STR("t")), "TypeError: t");
    EXPECT_EQ(str(js_obj_get_q(Error(JsOwned()).borrow(), "message")), "");
    EXPECT_EQ(str(undefined), "undefined");
    EXPECT_EQ(str(NaN), "NaN");
    EXPECT_EQ(str(Infinity), "Infinity");
    double now = js_to_num(js_jsc_cm0(Date, JS_STR("now")));
    EXPECT_GT(now, 1.6e12);
}

TEST(Builtins, BootstrapAsMainWritesIt) {
    JsValue jsc_g_console = js_builtin_console();
    JsValue jsc_g_process = js_obj_new();
    JsValue jsc_g_Buffer = js_obj_new();
    JsValue jsc_g_globalThis = js_jsc_init_global_this(jsc_g_console, jsc_g_process, jsc_g_Buffer);
    JsValue jsc_g_Math, jsc_g_JSON, jsc_g_Orvan;
    {
        JsValue mkey = JS_STR("Math");
        jsc_g_Math = js_obj_get(jsc_g_globalThis, mkey);
        JsValue jkey = JS_STR("JSON");
        jsc_g_JSON = js_obj_get(jsc_g_globalThis, jkey);
        js_dispose_value(&mkey);
        js_dispose_value(&jkey);
    }
    {
        JsValue akey = JS_STR("Orvan");
        jsc_g_Orvan = js_obj_get(jsc_g_globalThis, akey);
        js_dispose_value(&akey);
    }
    EXPECT_EQ(str(js_typeof(jsc_g_Math)), "object");
    EXPECT_EQ(str(js_typeof(js_obj_get_q(jsc_g_JSON, "parse"))), "function");
    EXPECT_EQ(logLine(jsc_g_Orvan), "{}");
    EXPECT_TRUE(js_truthy(js_eq(js_obj_get_q(jsc_g_globalThis, "console"), jsc_g_console)));
    EXPECT_TRUE(js_truthy(js_eq(js_obj_get_q(jsc_g_globalThis, "parseInt"), parseInt)));
    EXPECT_TRUE(js_truthy(js_eq(js_obj_get_q(jsc_g_globalThis, "globalThis"), jsc_g_globalThis)));
}

TEST(Builtins, WindowOpenNeedsAWebView) {
    EXPECT_EQ(thrownText([] { js_window_open(JS_STR("index.html"), JS_UNDEFINED(), JS_UNDEFINED(), JS_UNDEFINED()); })
                  .rfind("Error: orvan: window.open needs a web view", 0),
              0u);
}

TEST(Builtins, HybridDispatcherIsStored) {
    jsc_hybrid_set_aot_dispatch(dispatchTarget);
    ASSERT_EQ(jsc_hybrid_get_aot_dispatch(), &dispatchTarget);
    EXPECT_EQ(str(jsc_hybrid_get_aot_dispatch()("f", "[1]")), "f:[1]");
}
