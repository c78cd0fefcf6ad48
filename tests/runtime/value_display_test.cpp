// console.log's formatting of values and format strings, byte for byte as
// node prints the same values (texts taken from node's util.format).
#include "runtime_support.h"

#include <string>

TEST(Inspect, NestedObjectsAndArrays) {
    const struct { const char* json; const char* out; } cases[] = {
        {"{\"a\":1,\"b\":\"x\"}", "{ a: 1, b: 'x' }"},
        {"[1,2,3]", "[ 1, 2, 3 ]"},
        {"{\"a\":{\"b\":{\"c\":{\"d\":1}}}}", "{ a: { b: { c: [Object] } } }"},
        {"[[1,[2,[3,[4]]]]]", "[ [ 1, [ 2, [Array] ] ] ]"},
        {"{}", "{}"},
        {"[]", "[]"},
        {"{\"2\":\"two\",\"b\":1,\"1\":\"one\",\"a\":2}", "{ '1': 'one', '2': 'two', b: 1, a: 2 }"},
        {"{\"a-b\":1,\"_ok\":2,\"it's\":\"it's\",\"q\":\"say \\\"hi\\\"\",\"n\":null,\"t\":true,\"nl\":\"a\\nb\"}",
         "{\n  'a-b': 1,\n  _ok: 2,\n  \"it's\": \"it's\",\n  q: 'say \"hi\"',\n  n: null,\n  t: true,\n  nl: 'a\\nb'\n}"},
        {"[\"aaaaaaaaaaaaaaaaaaaa\",\"bbbbbbbbbbbbbbbbbbbb\",\"cccccccccccccccccccc\",\"dddddddddddddddddddd\"]",
         "[\n  'aaaaaaaaaaaaaaaaaaaa',\n  'bbbbbbbbbbbbbbbbbbbb',\n  'cccccccccccccccccccc',\n  'dddddddddddddddddddd'\n]"},
        {"{\"name\":\"orvan\",\"version\":\"1.0.0\",\"tags\":[\"cli\",\"compiler\",\"native\"],\"nested\":{\"deep\":"
         "{\"deeper\":{\"deepest\":true}}},\"list\":[{\"id\":1},{\"id\":2}]}",
         "{\n  name: 'orvan',\n  version: '1.0.0',\n  tags: [ 'cli', 'compiler', 'native' ],\n"
         "  nested: { deep: { deeper: [Object] } },\n  list: [ { id: 1 }, { id: 2 } ]\n}"},
        {"[{\"a\":1,\"b\":2},{\"a\":3,\"b\":4}]", "[ { a: 1, b: 2 }, { a: 3, b: 4 } ]"},
        {"{\"\xC3\xA9\":\"\xC3\xBC\",\"\xF0\x9F\x98\x80\":1}", "{ '\xC3\xA9': '\xC3\xBC', '\xF0\x9F\x98\x80': 1 }"},
    };
    for (const auto& c : cases) EXPECT_EQ(logLine(json(c.json)), c.out) << c.json;
}

TEST(Inspect, LongArraysAreGroupedInColumns) {
    EXPECT_EQ(logLine(json("[1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26]")),
              "[\n   1,  2,  3,  4,  5,  6,  7,  8,\n   9, 10, 11, 12, 13, 14, 15, 16,\n"
              "  17, 18, 19, 20, 21, 22, 23, 24,\n  25, 26\n]");
    EXPECT_EQ(logLine(json("[\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"]")), "[\n  'a', 'b', 'c',\n  'd', 'e', 'f',\n  'g'\n]");
    EXPECT_EQ(logLine(json("[1,\"two\",3,\"four\",5,\"six\",7]")), "[\n  1, 'two',\n  3, 'four',\n  5, 'six',\n  7\n]");
    // wide characters count two columns when entries are lined up
    EXPECT_EQ(logLine(json("[\"\u65e5\u672c\",\"\u4e2d\u6587\u5b57\",\"\ud55c\uad6d\uc5b4\",\"a\",\"bb\",\"ccc\",\"\u6771\u4eac\u90fd\",\"x\"]")),
              "[\n  '\xE6\x97\xA5\xE6\x9C\xAC',   '\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97',\n  '\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4', 'a',\n"
              "  'bb',     'ccc',\n  '\xE6\x9D\xB1\xE4\xBA\xAC\xE9\x83\xBD', 'x'\n]");
    std::string many = "[0";
    for (int i = 1; i < 120; ++i) many += "," + std::to_string(i);
    std::string out = logLine(json((many + "]").c_str()));
    EXPECT_EQ(out.substr(0, 56), "[\n   0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11,\n  12");
    EXPECT_EQ(out.substr(out.size() - 39), "  96, 97, 98, 99,\n  ... 20 more items\n]");
}

TEST(Inspect, StringsFunctionsCyclesAndBuffers) {
    EXPECT_EQ(logLine(JS_STR("top level"), JS_NUM(1), JS_STR("bare")), "top level 1 bare");
    EXPECT_EQ(logLine(JS_NUM(1), JS_STR("a"), JS_NUM(-0.0), JS_NULL(), JS_UNDEFINED()), "1 a -0 null undefined");
    EXPECT_EQ(inspect(JS_STR("it's")), "\"it's\"");
    EXPECT_EQ(inspect(JS_STR("both ' \"")), "`both ' \"`");
    EXPECT_EQ(logLine(json("[\"a\\u0001\"]")), "[ 'a\\x01' ]");
    EXPECT_EQ(inspect(parseInt), "[Function: parseInt]");
    EXPECT_EQ(inspect(js_native_fn([](int, JsValue*) { return JS_UNDEFINED(); })), "[Function (anonymous)]");
    JsValue o = json("{\"name\":\"loop\"}");
    js_obj_set(&o, "self", o);
    js_obj_set(&o, "list", jsrt_array_from({o}));
    EXPECT_EQ(logLine(o), "<ref *1> { name: 'loop', self: [Circular *1], list: [ [Circular *1] ] }");
    js_obj_set(&o, "self", JS_NULL());  // break the cycle so the test leaks nothing
    js_obj_set(&o, "list", JS_NULL());
    EXPECT_EQ(logLine(jsrt_buffer((const unsigned char*)"hi", 2)), "<Buffer 68 69>");
    EXPECT_EQ(logLine(jsrt_array_from({jsrt_buffer(std::vector<unsigned char>())})), "[ <Buffer > ]");
    JsValue k = js_obj_new();
    js_obj_set(&k, "k", JS_STR(("l1\nl2\n" + std::string(80, 'z')).c_str()));
    EXPECT_EQ(logLine(k), "{\n  k: 'l1\\n' +\n    'l2\\n' +\n    '" + std::string(80, 'z') + "'\n}");
}

TEST(Inspect, FormatSpecifiers) {
    EXPECT_EQ(logLine(JS_STR("%s is %d years, %i, %f, %j %O %o %% %c."), JS_STR("Bob"), JS_NUM(42.5), JS_STR("42.9x"),
                      JS_STR("3.5"), json("{\"a\":[1]}"), json("{\"b\":{\"c\":{\"d\":{}}}}"), json("[1]"),
                      JS_STR("color:red"), JS_STR("extra"), json("{\"k\":1}")),
              "Bob is 42.5 years, 42, 3.5, {\"a\":[1]} { b: { c: { d: {} } } } [ 1, [length]: 1 ] % . extra { k: 1 }");
    EXPECT_EQ(logLine(JS_STR("%s %s"), JS_NUM(-0.0), json("[1,[2,[3]]]")), "-0 [ 1, [Array] ]");
    EXPECT_EQ(logLine(JS_STR("%d %d"), JS_STR("0x10"), js_obj_new()), "16 NaN");
    EXPECT_EQ(logLine(JS_STR("%s")), "%s");
    EXPECT_EQ(logLine(JS_STR("100%"), JS_NUM(5)), "100% 5");
    EXPECT_EQ(logLine(JS_STR("%s"), json("{\"a\":{\"b\":1}}")), "{ a: [Object] }");
    EXPECT_EQ(logLine(JS_STR("%x %s"), JS_STR("y")), "%x y");
}

TEST(Inspect, ErrorsPrintNameMessageAndExtraProperties) {
    JsValue e = jsrt_make_error("Error", "ENOENT: no such file");
    jsrt_set(e, "code", JS_STR("ENOENT"));
    EXPECT_EQ(logLine(e), "Error: ENOENT: no such file\n    at <anonymous> {\n  code: 'ENOENT'\n}");
    EXPECT_EQ(str(e), "Error: ENOENT: no such file");
    EXPECT_EQ(logLine(JS_STR("x"), jsrt_make_error("TypeError", "bad")), "x TypeError: bad\n    at <anonymous>");
    JsValue inner = js_obj_new();
    js_obj_set(&inner, "err", jsrt_make_error("Error", "x"));
    JsValue outer = js_obj_new();
    js_obj_set(&outer, "a", inner);
    EXPECT_EQ(logLine(outer), "{\n  a: {\n    err: Error: x\n        at <anonymous>\n  }\n}");
    EXPECT_EQ(logLine(jsrt_array_from({jsrt_make_error("Error", "x")})), "[\n  Error: x\n      at <anonymous>\n]");
}

TEST(Console, LogAndErrorWriteTheirStreams) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    JsOwned x = JsOwned::from_value(json("{\"a\":[1,2]}"));
    js_console_log(2, JS_STR("value:"), x.borrow());
    js_console_log(0);
    js_console_error(1, JS_STR("oops"));
    js_jsc_cm1(js_builtin_console(), JS_STR("warn"), JS_STR("careful"));
    js_jsc_cm1(js_builtin_console(), JS_STR("info"), JS_NUM(3));
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "value: { a: [ 1, 2 ] }\n\n3\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "oops\ncareful\n");
}
