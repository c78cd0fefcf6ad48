// Replays what node computed for generated inputs (node_reference/*.jsonl,
// made by make_reference.js): number text, conversions, string methods on
// non-ASCII text, console.log formatting and JSON.stringify with indents.
#include "runtime_support.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<JsValue> referenceRows(const char* name) {
    std::vector<JsValue> rows;
    std::string path = std::string(NODE_REFERENCE_DIR) + "/" + name;
    FILE* f = fopen(path.c_str(), "r");
    if (!f) {
        ADD_FAILURE() << "cannot read " << path;
        return rows;
    }
    std::string line;
    for (int c; (c = fgetc(f)) != EOF;) {
        if (c != '\n') {
            line += (char)c;
            continue;
        }
        rows.push_back(jsrt_json_parse(line));
        line.clear();
    }
    fclose(f);
    return rows;
}

JsValue at(const JsValue& row, std::size_t i) { return jsrt_array_get(row, i); }
std::string text(const JsValue& row, std::size_t i) { return str(at(row, i)); }
std::string asJson(const JsValue& v) { return jsrt_json_stringify(v, nullptr); }

double fromBits(const std::string& hex) {
    unsigned char b[8];
    for (int i = 0; i < 8; ++i) b[i] = (unsigned char)std::stoi(hex.substr(2 * i, 2), nullptr, 16);
    double d;
    std::memcpy(&d, b, 8);
    return d;
}

}  // namespace

TEST(NodeReference, NumberText) {
    auto rows = referenceRows("numbers.jsonl");
    ASSERT_FALSE(rows.empty());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const JsValue& row = rows[i];
        JsValue x = JS_NUM(fromBits(text(row, 0)));
        SCOPED_TRACE(text(row, 1));
        EXPECT_EQ(str(x), text(row, 1));
        EXPECT_EQ(str(method(x, "toFixed", JS_NUM((double)(i % 12)))), text(row, 2));
        EXPECT_EQ(str(method(x, "toPrecision", JS_NUM((double)(1 + i % 21)))), text(row, 3));
        EXPECT_EQ(str(method(x, "toString", at(row, 4))), text(row, 5));
    }
}

TEST(NodeReference, Conversions) {
    auto rows = referenceRows("conversions.jsonl");
    ASSERT_FALSE(rows.empty());
    for (const JsValue& row : rows) {
        JsOwned s = at(row, 0);
        SCOPED_TRACE(asJson(s.borrow()));
        EXPECT_EQ(str(Number(s.clone()).borrow()), text(row, 1));
        EXPECT_EQ(str(parseInt(s.clone()).borrow()), text(row, 2));
        EXPECT_EQ(str(parseFloat(s.clone()).borrow()), text(row, 3));
        EXPECT_EQ(str(parseInt(s.clone(), JsOwned(JS_NUM(16))).borrow()), text(row, 4));
    }
}

TEST(NodeReference, StringMethods) {
    auto rows = referenceRows("strings.jsonl");
    ASSERT_FALSE(rows.empty());
    for (const JsValue& row : rows) {
        JsValue s = at(row, 0), a = at(row, 1), b = at(row, 2), t = at(row, 3);
        SCOPED_TRACE(asJson(row));
        const JsValue got[] = {
            method(s, "slice", a, b), method(s, "substring", a, b), method(s, "substr", a, b),
            method(s, "indexOf", t, a), method(s, "lastIndexOf", t, b), method(s, "padStart", b, t),
            method(s, "split", t), method(s, "charCodeAt", a), method(s, "trim"), method(s, "endsWith", t, b),
            method(s, "replaceAll", t, JS_STR("[$&]")), method(s, "toUpperCase"), method(s, "toLowerCase"),
        };
        for (std::size_t k = 0; k < sizeof got / sizeof got[0]; ++k) EXPECT_EQ(asJson(got[k]), asJson(at(row, k + 4))) << k;
    }
}

TEST(NodeReference, ConsoleFormattingAndJsonIndent) {
    auto rows = referenceRows("formatting.jsonl");
    ASSERT_FALSE(rows.empty());
    JsValue JSON = js_obj_get_q(js_jsc_init_global_this(js_builtin_console(), js_obj_new(), js_obj_new()), "JSON");
    for (const JsValue& row : rows) {
        JsValue v = jsrt_json_parse(text(row, 0));
        SCOPED_TRACE(text(row, 0));
        EXPECT_EQ(logLine(v), text(row, 1));
        EXPECT_EQ(str(js_jsc_cm3(JSON, JS_STR("stringify"), v, JS_NULL(), at(row, 2))), text(row, 3));
    }
}
