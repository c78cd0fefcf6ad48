#include <gtest/gtest.h>

#include <string>

#include "js_fixture.h"

namespace {

size_t count(const std::string& text, const std::string& piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

std::string repeat(const std::string& line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += line;
    return out;
}

}  // namespace

TEST(LongBodies, ManyTopLevelStatementsBecomePartsCalledInOrderWithLoopsFullyOptimised) {
    const std::string text =
        emitProgram("var t = 0;\n" + repeat("t += 1;\n", 20) + "for (var i = 0; i < t; i++) t -= i;\n" +
                    repeat("t += 2;\n", 3));
    // run-once statements in unoptimised parts, the loop in a part of its own, all called from main in order
    EXPECT_EQ(count(text, "__attribute__((noinline, optimize(\"O0\"))) static void __jsc_main_part_"), 3u);
    EXPECT_EQ(count(text, "__attribute__((noinline)) static void __jsc_main_part_"), 1u);
    EXPECT_NE(text.find("__attribute__((noinline)) static void __jsc_main_part_3(void) {\n"), std::string::npos);
    const std::string main = section(text, "int main(", "}");
    EXPECT_NE(main.find("    __jsc_main_part_1();\n    __jsc_main_part_2();\n    __jsc_main_part_3();\n"
                        "    __jsc_main_part_4();\n"),
              std::string::npos);
    EXPECT_LT(text.find("static void __jsc_main_part_4"), text.find("int main("));
    // few statements stay in main itself
    EXPECT_EQ(emitProgram("var t = 0;\nt += 1;\n").find("__jsc_main_part_"), std::string::npos);
}

TEST(LongBodies, ADestructuredLocalKeepsTheStatementsAfterItInOnePart) {
    const std::string text = emitProgram("var o = { a: 1 };\nvar { a } = o;\n" + repeat("o.a = a + 1;\n", 40));
    EXPECT_EQ(count(text, "static void __jsc_main_part_"), 1u);
}

TEST(LongBodies, CountedLoopsOfFewRoundsStayUnoptimisedUnlessSomethingElseMovesTheCounter) {
    const std::string text = emitProgram(
        "var t = 0;\n" + repeat("t += 1;\n", 20) + "for (var i = 0; i < 3; i++) t += i;\n" + repeat("t += 2;\n", 20) +
        "for (var j = 0; j < 1000; j++) t += j;\n" + repeat("t += 3;\n", 20) +
        "for (var k = 0; k < 3; k++) bump();\n" + repeat("t += 4;\n", 20) +
        "for (var m = 0; m < 3; m++) { m = m - 1; }\n" + repeat("t += 5;\n", 20) +
        "for (var n = 0; n < 3; n++) { for (var q = 0; q < t; q++) t -= 1; }\n" +
        "function bump() { k = 5; }\n");
    // only the loop of many rounds, the one whose counter a function writes, the one that moves its own
    // counter and the one around a loop of unknown length keep the optimiser
    EXPECT_EQ(count(text, "__attribute__((noinline)) static void __jsc_main_part_"), 4u);
    const std::string few = "for (i = JS_NUM(0);";
    const size_t at = text.find(few);
    ASSERT_NE(at, std::string::npos);
    const std::string unoptimised = "__attribute__((noinline, optimize(\"O0\")))";
    EXPECT_EQ(text.compare(text.rfind("__attribute__((", at), unoptimised.size(), unoptimised), 0);
}

TEST(LongBodies, ALongDispatcherLooksItsCalleeUpInATableInListingOrder) {
    std::string source;
    for (int i = 0; i < 40; ++i) source += "function f" + std::to_string(i) + "(p) { return p; }\n";
    source += "function none() { return 1; }\nfunction three(a, b, c) { return a; }\nconst held = (p) => p;\n";
    const std::string text = emitProgram(source);
    EXPECT_NE(text.find("static const __orvan_hybrid_aot_fn __orvan_hybrid_aot_fns[] = {\n"
                        "    {\"f0\", reinterpret_cast<void (*)()>(static_cast<JsOwned (*)(JsOwned)>(&f0)), "
                        "&js_detail::compiled_thunk<JsOwned>, nullptr, 1},\n"),
              std::string::npos);
    EXPECT_NE(text.find("    {\"none\", reinterpret_cast<void (*)()>(static_cast<JsOwned (*)()>(&none)), "
                        "&js_detail::compiled_thunk<>, nullptr, 0},\n"
                        "    {\"three\", reinterpret_cast<void (*)()>(static_cast<JsOwned (*)(JsOwned, JsOwned, "
                        "JsOwned)>(&three)), &js_detail::compiled_thunk<JsOwned, JsOwned, JsOwned>, nullptr, 1},\n"
                        "    {\"held\", nullptr, nullptr, &held, 1},\n};\n"),
              std::string::npos);
    const std::string dispatcher = section(text, "static JsValue __orvan_hybrid_call_aot(", "\n}");
    EXPECT_NE(dispatcher.find("    for (const __orvan_hybrid_aot_fn& fn : __orvan_hybrid_aot_fns) {\n"
                              "        if (strcmp(name, fn.name) != 0) continue;\n"),
              std::string::npos);
    EXPECT_EQ(text.find("strcmp(name, \"f"), std::string::npos);
}

TEST(LongBodies, ManyTopLevelVariablesShareOneArrayOfStatics) {
    std::string source;
    for (int i = 0; i < 300; ++i) source += "var v" + std::to_string(i) + " = " + std::to_string(i) + ";\n";
    const std::string text = emitProgram(source);
    EXPECT_NE(text.find("static JsOwned __jsc_top_level[300];\nstatic JsOwned& v0 = __jsc_top_level[0];\n"
                        "static JsOwned& v1 = __jsc_top_level[1];\nstatic JsOwned& v10 = __jsc_top_level[2];\n"),
              std::string::npos);
    EXPECT_EQ(text.find("static JsOwned v0;"), std::string::npos);
    // a few keep a declaration each
    EXPECT_NE(emitProgram("var a = 1;\nvar b = 2;\n").find("static JsOwned a;\nstatic JsOwned b;\n"), std::string::npos);
}

TEST(LongBodies, OnlyFunctionsThatRunOnceTopLevelCallsReachAreLeftUnoptimised) {
    const std::string source =
        "function once(a) { return a + 1; }\n"
        "function never() { return 1; }\n"
        "function looping(n) { var s = 0; while (s < n) s++; return s; }\n"
        "function inLoop(i) { return i; }\n"
        "function fromFunction() { return 2; }\n"
        "function caller() { return fromFunction(); }\n"
        "function recursive(n) { return n ? recursive(n - 1) : 0; }\n"
        "function handedOn(x) { return x; }\n"
        "function inClosure() { return 3; }\n"
        "function shadowed(x) { return x; }\n"
        "function other(shadowed) { return shadowed; }\n"
        "if (once(1)) { once(2); }\n"
        "looping(3);\n"
        "for (var i = 0; i < 2; i++) inLoop(i);\n"
        "caller(); recursive(2); other(1); shadowed(1);\n"
        "[1].map(handedOn);\n"
        "var f = function () { return inClosure(); };\n";
    const std::string text = emitProgram(source);
    const std::string plain = "__attribute__((optimize(\"O0\"))) JsOwned ";
    EXPECT_NE(text.find(plain + "once(JsOwned a) {\n"), std::string::npos);
    EXPECT_NE(text.find(plain + "never() {\n"), std::string::npos);
    EXPECT_NE(text.find(plain + "caller() {\n"), std::string::npos);
    EXPECT_NE(text.find(plain + "other(JsOwned shadowed) {\n"), std::string::npos);
    for (const char* name : {"looping", "inLoop", "fromFunction", "recursive", "handedOn", "inClosure", "shadowed"}) {
        EXPECT_EQ(text.find(plain + name + "("), std::string::npos) << name;
        EXPECT_NE(text.find("\nJsOwned " + std::string(name) + "("), std::string::npos) << name;
    }
    // a hybrid build's island may call any of them by name, as often as it likes
    EXPECT_EQ(emitProgram(source, true).find("optimize(\"O0\"))) JsOwned"), std::string::npos);
}

TEST(LongBodies, ADependencyModuleWithManyTopLevelVariablesKeepsThemInOneArray) {
    std::string dep;
    for (int i = 0; i < 300; ++i) dep += "var v" + std::to_string(i) + " = " + std::to_string(i) + ";\n";
    std::vector<Module> list = resolveProgram({{"main.js", "require('./m');"}, {"m.js", dep}}, "main.js");
    CEmitter em;
    const std::string text = em.emitModules(list, false);
    // in source order, each bound to its own element
    EXPECT_NE(text.find("static JsValue __jsc_mod_m_statics[300];\nstatic JsValue& mod_m_v0 = __jsc_mod_m_statics[0];\n"
                        "static JsValue& mod_m_v1 = __jsc_mod_m_statics[1];\n"),
              std::string::npos);
    EXPECT_NE(text.find("static JsValue& mod_m_v299 = __jsc_mod_m_statics[299];\n"), std::string::npos);
    EXPECT_EQ(text.find("static JsValue mod_m_v0;"), std::string::npos);
}
