// JSON.parse and JSON.stringify through the JSON global, with V8's error texts.
#include "runtime_support.h"

namespace {
JsValue JSON() { return js_obj_get_q(js_jsc_init_global_this(JsValue(), JsValue(), JsValue()), "JSON"); }
std::string stringify(const JsValue& v, const JsValue& space = JsValue()) {
    return inspect(js_jsc_cm3(JSON(), JS_STR("stringify"), v, JS_NULL(), space));
}
std::string parseError(const char* text) {
    return thrownText([&] { js_jsc_cm1(JSON(), JS_STR("parse"), JS_STR(text)); });
}
}  // namespace

TEST(Json, StringifyWithIndentAndSkippedValues) {
    JsValue o = json("{\"a\":[1,{\"b\":2}],\"c\":\"x\"}");
    js_obj_set(&o, "u", JS_UNDEFINED());
    js_obj_set(&o, "f", parseInt);
    js_obj_set(&o, "n", JS_NUM(NAN));
    EXPECT_EQ(stringify(o, JS_NUM(2)),
              "'{\\n  \"a\": [\\n    1,\\n    {\\n      \"b\": 2\\n    }\\n  ],\\n  \"c\": \"x\",\\n  \"n\": null\\n}'");
    JsValue arr = jsrt_array_from({JS_UNDEFINED(), parseInt, JS_NUM(INFINITY), JS_STR("\xC3\xA9\n\x01\xED\xA0\x80")});
    EXPECT_EQ(str(js_jsc_cm1(JSON(), JS_STR("stringify"), arr)), "[null,null,null,\"\xC3\xA9\\n\\u0001\\ud800\"]");
    EXPECT_EQ(str(js_jsc_cm3(JSON(), JS_STR("stringify"), json("{\"a\":1,\"b\":[]}"), JS_NULL(), JS_STR("--"))),
              "{\n--\"a\": 1,\n--\"b\": []\n}");
    EXPECT_EQ(stringify(js_obj_new(), JS_NUM(2)), "'{}'");
    EXPECT_EQ(str(js_jsc_cm3(JSON(), JS_STR("stringify"), json("[[]]"), JS_NULL(), JS_NUM(2))), "[\n  []\n]");
    EXPECT_EQ(str(js_jsc_cm1(JSON(), JS_STR("stringify"), jsrt_buffer((const unsigned char*)"hi", 2))),
              "{\"type\":\"Buffer\",\"data\":[104,105]}");
    EXPECT_EQ(str(js_jsc_cm1(JSON(), JS_STR("stringify"), JS_UNDEFINED())), "undefined");
    JsValue cyc = js_obj_new();
    js_obj_set(&cyc, "me", cyc);
    EXPECT_EQ(thrownText([&] { js_jsc_cm1(JSON(), JS_STR("stringify"), cyc); }),
              "TypeError: Converting circular structure to JSON");
    js_obj_set(&cyc, "me", JS_NULL());
}

TEST(Json, ParseRoundTrip) {
    JsValue v = js_jsc_cm1(JSON(), JS_STR("parse"),
                           JS_STR(" {\"k\": [1, -2.5e3, true, false, null, \"\\u00e9\\n\\ud83d\\ude00\"]} "));
    EXPECT_EQ(str(js_jsc_cm1(JSON(), JS_STR("stringify"), v)), "{\"k\":[1,-2500,true,false,null,\"\xC3\xA9\\n\xF0\x9F\x98\x80\"]}");
}

TEST(Json, ParseErrorsUseV8Texts) {
    const struct { const char* in; const char* message; } cases[] = {
        {"[1,]", "Unexpected token ']', \"[1,]\" is not valid JSON"},
        {"{\"a\":1,}", "Expected double-quoted property name in JSON at position 7"},
        {"{bad", "Expected property name or '}' in JSON at position 1"},
        {"-", "No number after minus sign in JSON at position 1"},
        {"1.", "Unterminated fractional number in JSON at position 2"},
        {"1e", "Exponent part is missing a number in JSON at position 2"},
        {"\"\\x\"", "Bad escaped character in JSON at position 2"},
        {"\"a\x01\"", "Bad control character in string literal in JSON at position 2"},
        {"[1 2]", "Expected ',' or ']' after array element in JSON at position 3"},
        {"[1,2,3,4,5,6,7,8,9,10,x]", "Unexpected token 'x', ...\",7,8,9,10,x]\" is not valid JSON"},
        {"tru", "Unexpected end of JSON input"},
        {"nulx", "Unexpected token 'x', \"nulx\" is not valid JSON"},
        {"", "Unexpected end of JSON input"},
        {"{\"a\" 1}", "Expected ':' after property name in JSON at position 5"},
        {"01", "Unexpected number in JSON at position 1"},
        {"\"abc", "Unterminated string in JSON at position 4"},
        {"12 x", "Unexpected non-whitespace character after JSON at position 3"},
    };
    for (const auto& c : cases) EXPECT_EQ(parseError(c.in), std::string("SyntaxError: ") + c.message) << c.in;
}
