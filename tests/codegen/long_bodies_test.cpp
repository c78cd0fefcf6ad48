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
        emitProgram("var t = 0;\n" + repeat("t += 1;\n", 20) + "for (var i = 0; i < 2; i++) t += i;\n" +
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

TEST(LongBodies, ALongDispatcherIsTriedPartByPart) {
    std::string source;
    for (int i = 0; i < 40; ++i) source += "function f" + std::to_string(i) + "(p) { return p; }\n";
    const std::string text = emitProgram(source);
    EXPECT_NE(text.find("static bool __orvan_hybrid_call_aot_part_1(const char* name, const JsOwned& __payload, "
                        "JsValue* __result) {\n    if (strcmp(name, \"f0\") == 0) {\n"
                        "        JsOwned __ret = f0(__payload.clone());\n"
                        "        *__result = js_clone_value(__ret.borrow());\n        return true;\n    }\n"),
              std::string::npos);
    const std::string dispatcher = section(text, "static JsValue __orvan_hybrid_call_aot(", "}");
    EXPECT_NE(dispatcher.find("    JsValue __result;\n"
                              "    if (__orvan_hybrid_call_aot_part_1(name, __payload, &__result)) return __result;\n"
                              "    if (__orvan_hybrid_call_aot_part_2(name, __payload, &__result)) return __result;\n"
                              "    return JS_UNDEFINED();\n"),
              std::string::npos);
    EXPECT_NE(text.find("if (strcmp(name, \"f39\") == 0)"), std::string::npos);
}
