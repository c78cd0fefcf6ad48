#include <gtest/gtest.h>

#include "codegen/cxx_names.h"
#include "js_fixture.h"

TEST(CxxNames, ReservedNamesGetOneUnderscoreMoreAndOthersStay) {
    EXPECT_EQ(cxxName("double"), "double_");
    EXPECT_EQ(cxxName("double_"), "double__");
    EXPECT_EQ(cxxName("main"), "main_");
    EXPECT_EQ(cxxName("basename"), "basename_");
    EXPECT_EQ(cxxName("xor_eq"), "xor_eq_");
    EXPECT_EQ(cxxName("doubled"), "doubled");
    EXPECT_EQ(cxxName("_"), "_");
    EXPECT_EQ(cxxName("Main"), "Main");
    // The generated program's own names and the runtime's spellings.
    for (const char* js : {"name", "json", "init", "exports", "JsValue", "JsOwned", "JS_NUM", "js_add", "jsc_g_console",
                           "__jsc_fe_1", "__orvan_hybrid_call_aot"})
        EXPECT_EQ(cxxName(js), std::string(js) + "_") << js;
    EXPECT_EQ(cxxName("json2"), "json2");
    EXPECT_EQ(cxxName("Json"), "Json");
    for (const char* js : {"int", "int_", "int__", "intx", "_int", "y0", "index", "foo_", "init", "JS_STR_", "jsc_x"})
        EXPECT_EQ(jsNameOf(cxxName(js)), js) << js;
}

TEST(CxxNames, DeclarationsReferencesAndPrototypesAgreeWhileKeysKeepTheirSpelling) {
    const std::string text = emitProgram(
        "var double = function double(n) { return n * 2; };\n"
        "var double_ = 1;\n"
        "function main() { var int = 3; var o = { int: int }; o.char = double(int); return o.int; }\n"
        "main();\n"
        "main_;\n");
    EXPECT_NE(text.find("static JsOwned double_;\nstatic JsOwned double__;\n"), std::string::npos) << text;
    EXPECT_NE(text.find("JsOwned main_();\n"), std::string::npos) << text;
    EXPECT_NE(text.find("JsOwned main_() {\n    js_stack_check();\n    JsOwned int_ = JS_NUM(3);\n"), std::string::npos) << text;
    EXPECT_NE(text.find("js_obj_set(&__obj, \"int\", js_clone_value(int_.borrow()))"), std::string::npos) << text;
    EXPECT_NE(text.find("js_obj_set(&__o, \"char\", "), std::string::npos) << text;
    EXPECT_NE(text.find("js_obj_get_q(o.borrow(), \"int\")"), std::string::npos) << text;
    EXPECT_NE(text.find("    main_().borrow();\n"), std::string::npos) << text;
    EXPECT_NE(text.find("(js_not_defined(\"main_\"), jsc_g_globalThis)"), std::string::npos) << text;
    EXPECT_NE(text.find("if (strcmp(name, \"main\") == 0) {\n        JsOwned __ret = main_();"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("JsOwned main()"), std::string::npos) << text;
}

TEST(CxxNames, DestructuredLibraryNamesAndDependencySymbolsAreRenamedTogether) {
    CEmitter em;
    const std::string text = em.emitModules(
        resolveProgram({{"m.js", "function index(x) { return x; }\nmodule.exports = { index: index };\n"},
                        {"main.js", "const { basename } = require('path');\nvar m = require('./m');\n"
                                    "console.log(basename('a/b'), m.index(1));\n"}},
                       "main.js"),
        false);
    EXPECT_NE(text.find("static JsOwned basename_;\n"), std::string::npos) << text;
    EXPECT_NE(text.find("JS_STR(\"basename\")"), std::string::npos) << text;
    EXPECT_NE(text.find("mod_m_index_("), std::string::npos) << text;
    EXPECT_EQ(text.find("JsOwned basename;"), std::string::npos) << text;
}

TEST(CxxNames, LabelsKeepTheirSpellingAtTheStatementAndAtEveryJump) {
    const std::string text = emitProgram(
        "var int = 0;\n"
        "char: for (var i = 0; i < 3; i++) {\n"
        "  for (var j = 0; j < 3; j++) { if (j == 1) continue char; if (i == 2) break char; int += j; }\n"
        "}\n"
        "console.log(int);\n");
    EXPECT_NE(text.find("goto __jsc_cont"), std::string::npos) << text;
    EXPECT_NE(text.find("goto __jsc_brk"), std::string::npos) << text;
    EXPECT_EQ(text.find("without a target"), std::string::npos) << text;
    EXPECT_NE(text.find("int_ = JS_NUM(0);"), std::string::npos) << text;
}
