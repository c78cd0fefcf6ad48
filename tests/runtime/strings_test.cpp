// String.prototype methods on non-ASCII text: lengths and indices count UTF-16
// code units as in Node (expected texts from node on the same calls).
#include "runtime_support.h"

#include <thread>

namespace {
const char* kText = "h\xC3\xA9llo w\xC3\xB6rld \xF0\x9F\x98\x80";  // "héllo wörld 😀"
JsValue text() { return JS_STR(kText); }
std::string call(const char* name, JsValue a = JsValue(), JsValue b = JsValue()) {
    return str(method(text(), name, a, b));
}
}  // namespace

TEST(Strings, UnitIndexedReads) {
    EXPECT_EQ(str(js_obj_get_q(text(), "length")), "14");
    EXPECT_EQ(call("charAt", JS_NUM(1)), "\xC3\xA9");
    EXPECT_EQ(call("charCodeAt", JS_NUM(12)), "55357");
    EXPECT_EQ(call("codePointAt", JS_NUM(12)), "128512");
    EXPECT_EQ(call("indexOf", JS_STR("w\xC3\xB6")), "6");
    EXPECT_EQ(call("lastIndexOf", JS_STR("o")), "4");
    EXPECT_EQ(call("slice", JS_NUM(-3)), " \xF0\x9F\x98\x80");
    EXPECT_EQ(call("slice", JS_NUM(6), JS_NUM(11)), "w\xC3\xB6rld");
    EXPECT_EQ(call("substring", JS_NUM(8), JS_NUM(2)), "llo w\xC3\xB6");
    EXPECT_EQ(str(js_obj_get_q(method(text(), "at", JS_NUM(-1)), "length")), "1");
    EXPECT_EQ(str(js_obj_get(text(), JS_NUM(1))), "\xC3\xA9");
    EXPECT_EQ(str(js_obj_get(JS_STR("abc"), JS_NUM(5))), "undefined");
    EXPECT_EQ(call("includes", JS_STR("\xF0\x9F\x98\x80")), "true");
    EXPECT_EQ(call("startsWith", JS_STR("h\xC3\xA9")), "true");
    EXPECT_EQ(call("endsWith", JS_STR("\xF0\x9F\x98\x80")), "true");
}

TEST(Strings, CaseTrimPadAndRepeat) {
    EXPECT_EQ(call("toUpperCase"), "H\xC3\x89LLO W\xC3\x96RLD \xF0\x9F\x98\x80");
    EXPECT_EQ(str(method(JS_STR("\xC3\x84\xC3\x96\xC3\x9C stra\xC3\x9F" "e"), "toLowerCase")),
              "\xC3\xA4\xC3\xB6\xC3\xBC stra\xC3\x9F" "e");
    EXPECT_EQ(str(method(JS_STR("stra\xC3\x9F" "e"), "toUpperCase")), "STRASSE");
    EXPECT_EQ(call("padStart", JS_NUM(17), JS_STR("\xC2\xB7")), "\xC2\xB7\xC2\xB7\xC2\xB7" + std::string(kText));
    EXPECT_EQ(str(method(JS_STR("ab"), "padEnd", JS_NUM(5), JS_STR("xy"))), "abxyx");
    EXPECT_EQ(str(method(JS_STR("  \t x \n"), "trim")), "x");
    EXPECT_EQ(str(method(JS_STR(" x "), "trimStart")), "x ");
    EXPECT_EQ(str(method(JS_STR(" x "), "trimEnd")), " x");
    EXPECT_EQ(str(method(JS_STR("ab"), "repeat", JS_NUM(3))), "ababab");
    EXPECT_EQ(thrownText([] { method(JS_STR("ab"), "repeat", JS_NUM(-1)); }), "RangeError: Invalid count value: -1");
    EXPECT_EQ(thrownText([] { method(JS_STR("ab"), "repeat", JS_NUM(INFINITY)); }), "RangeError: Invalid count value: Infinity");
    EXPECT_EQ(thrownText([] { method(JS_STR("ab"), "repeat", JS_NUM(1e9)); }), "RangeError: Invalid string length");
    EXPECT_EQ(thrownText([] { method(JS_STR("a"), "padStart", JS_NUM(1e10)); }), "RangeError: Invalid string length");
    JsValue big = method(JS_STR("x"), "repeat", JS_NUM(268435456));
    EXPECT_EQ(thrownText([&] { js_add(js_add(big, big), big); }), "RangeError: Invalid string length");
    EXPECT_EQ(str(method(JS_STR("a"), "concat", JS_NUM(1), JS_NULL())), "a1null");
}

TEST(Strings, SplitAndReplace) {
    EXPECT_EQ(inspect(method(text(), "split", JS_STR(" "))), "[ 'h\xC3\xA9llo', 'w\xC3\xB6rld', '\xF0\x9F\x98\x80' ]");
    EXPECT_EQ(inspect(method(JS_STR("a,b,,c"), "split", JS_STR(","))), "[ 'a', 'b', '', 'c' ]");
    EXPECT_EQ(inspect(method(JS_STR("abc"), "split", JS_STR(""))), "[ 'a', 'b', 'c' ]");
    EXPECT_EQ(inspect(method(JS_STR("abc"), "split")), "[ 'abc' ]");
    EXPECT_EQ(inspect(method(JS_STR("a,b,c"), "split", JS_STR(","), JS_NUM(2))), "[ 'a', 'b' ]");
    EXPECT_EQ(inspect(method(JS_STR(""), "split", JS_STR(","))), "[ '' ]");
    EXPECT_EQ(str(method(JS_STR("a-b-c"), "replace", JS_STR("-"), JS_STR("+"))), "a+b-c");
    EXPECT_EQ(str(method(JS_STR("a-b-c"), "replaceAll", JS_STR("-"), JS_STR("+"))), "a+b+c");
    EXPECT_EQ(str(method(JS_STR("abc"), "replace", JS_STR("b"), JS_STR("[$&$$]"))), "a[b$]c");
    EXPECT_EQ(str(method(JS_STR("abc"), "replaceAll", JS_STR(""), JS_STR("-"))), "-a-b-c-");
    JsValue upper = js_native_fn([](int argc, JsValue* argv) {
        return argc ? method(argv[0], "toUpperCase") : JS_UNDEFINED();
    });
    EXPECT_EQ(str(method(JS_STR("a-b"), "replace", JS_STR("b"), upper)), "a-B");
}

TEST(Strings, MissingMethodIsATypeError) {
    EXPECT_EQ(thrownText([] { method(JS_STR("abc"), "nope"); }), "TypeError: \"abc\".nope is not a function");
}

TEST(Strings, LongStringsBuiltPieceByPiece) {
    // s += piece in a loop, as the generator writes it for an owned name
    JsOwned s = JsOwned::from_value(JS_STR(""));
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        const char* piece = i % 3 ? "ab" : "\xC3\xA9\xF0\x9F\x98\x80";
        s = JsOwned::from_value(js_add(s.borrow(), JS_STR(piece)));
        expected += piece;
    }
    EXPECT_EQ(str(js_obj_get_q(s.borrow(), "length")), std::to_string(jsrt_utf16_length(expected)));
    EXPECT_EQ(jsrt_str(s.borrow()), expected);
    EXPECT_TRUE(js_truthy(js_eq(s.borrow(), JS_STR(expected.c_str()))));
    EXPECT_EQ(str(method(s.borrow(), "charAt", JS_NUM(3))), "a");
    // a long string used twice in one concatenation, then read
    JsValue twice = js_add(s.borrow(), s.borrow());
    EXPECT_EQ(jsrt_str(twice), expected + expected);
    EXPECT_EQ(str(method(twice, "lastIndexOf", JS_STR("ab"))), std::to_string(2 * jsrt_utf16_length(expected) - 2));
}

TEST(Strings, AMillionPiecesAreFreedWithoutDeepRecursion) {
    JsOwned s = JsOwned::from_value(JS_STR(std::string(300, 'x').c_str()));
    for (int i = 0; i < 1000000; ++i) s = JsOwned::from_value(js_add(s.borrow(), JS_STR("y")));
    EXPECT_EQ(str(js_obj_get_q(s.borrow(), "length")), "1000300");
    s = JsOwned();  // releases the whole unjoined chain
    JsOwned t = JsOwned::from_value(JS_STR(std::string(300, 'x').c_str()));
    for (int i = 0; i < 1000000; ++i) t = JsOwned::from_value(js_add(t.borrow(), JS_STR("y")));
    EXPECT_EQ(jsrt_str(t.borrow()).size(), 1000300u);  // joined once, then freed as one text
}

// A thread keeps the strings it made from literals for reuse; they must go
// with the thread (a leak checker sees them otherwise) and not with a value
// the thread handed on.
TEST(Strings, LiteralStringsOfAThreadAreReleasedWhenItEnds) {
    JsValue kept;
    std::thread worker([&kept] {
        JsValue a = JS_STR("made on a worker thread");
        JsValue b = JS_STR("made on a worker thread");
        kept = js_add(a, b);
        kept = js_add(kept, JS_STR("!"));
    });
    worker.join();
    EXPECT_EQ(str(kept), "made on a worker threadmade on a worker thread!");
    EXPECT_EQ(str(JS_STR("made on a worker thread")), "made on a worker thread");
}

// Long strings dropped on a thread lend their cells to its next ones: one
// handed on keeps its own text, and the thread's kept cells go when it ends.
TEST(Strings, LongStringsOfAThreadKeepTheirTextWhenCellsAreReused) {
    JsValue kept;
    std::thread worker([&kept] {
        JsValue s = JS_STR("a text long enough to need a block of its own");
        for (int i = 0; i < 100; ++i) {
            JsValue part = js_jsc_cm2(s, JS_STR("slice"), JS_NUM(i % 7), JS_NUM(30));
            if (i == 50) kept = js_jsc_cm0(part, JS_STR("toUpperCase"));
        }
    });
    worker.join();
    for (int i = 0; i < 40; ++i) {
        JsValue other = js_jsc_cm2(JS_STR("another text long enough for a block"), JS_STR("slice"), JS_NUM(i % 5), JS_NUM(33));
        EXPECT_EQ(str(other).size(), 33u - i % 5);
    }
    EXPECT_EQ(str(kept), " TEXT LONG ENOUGH TO NEED A B");
}

// One-character strings are shared per thread: one handed on outlives the
// thread that made it, and the thread's own table is given back with it.
TEST(Strings, SharedCharactersOfAThreadOutliveItWhenHandedOn) {
    JsValue kept, code;
    std::thread worker([&kept, &code] {
        JsValue s = JS_STR("xyz");
        kept = js_jsc_cm1(s, JS_STR("charAt"), JS_NUM(1));
        code = js_jsc_cm1(js_jsc_cm1(s, JS_STR("split"), JS_STR("")), JS_STR("join"), JS_STR("-"));
    });
    worker.join();
    EXPECT_EQ(str(kept), "y");
    EXPECT_EQ(str(code), "x-y-z");
}
