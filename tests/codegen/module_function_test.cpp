#include <gtest/gtest.h>

#include "js_fixture.h"

namespace {

// The text of the dependency module m.js of a two-module program.
std::string depModuleText(const std::string& source) {
    std::vector<Module> list = resolveProgram({{"main.js", "require('./m');"}, {"m.js", source}}, "main.js");
    CEmitter em;
    const std::string text = em.emitModules(list, false);
    const size_t from = text.find("/* === module: ");
    const size_t to = text.find("static JsValue __orvan_hybrid_call_aot");
    return text.substr(from, to - from);
}

std::string banner(const std::string& text) { return text.substr(0, text.find("\n\n") + 2); }

std::string functionText(CEmitter& em, const std::string& source, const std::string& prefix) {
    static std::vector<ASTNode> kept;
    kept.push_back(parseProgram(source));
    std::ostringstream os;
    em.emitFunction(kept.back().children.at(0), os, 0, prefix);
    return os.str();
}

}  // namespace

TEST(DependencyModule, WithoutCodeHasBannerExportsStaticAndRunOnceInit) {
    const std::string text = depModuleText("");
    // Declarations first (every module's, so modules that require each other see them), code after.
    EXPECT_EQ(text.substr(banner(text).size(), 64),
              "static JsValue mod_m_exports;\nstatic void mod_m_init(void);\n\n/* ");
    EXPECT_NE(text.find(" (code) === */\n\nstatic void mod_m_init(void) {\n"
                        "    static int _done = 0; if (_done) return; _done = 1;\n    mod_m_exports = js_obj_new();\n}\n\n"),
              std::string::npos);
}

TEST(DependencyModule, VariableDeclaredTwiceGetsOneStaticAndTwoAssignments) {
    const std::string text = depModuleText("var v = 1;\nvar v = 2;\n");
    EXPECT_NE(text.find("static JsValue mod_m_exports;\nstatic void mod_m_init(void);\nstatic JsValue mod_m_v;\n\n"),
              std::string::npos);
    EXPECT_NE(text.find("_done = 1;\n    mod_m_exports = js_obj_new();\n    mod_m_v = JS_NUM(1);\n    mod_m_v = JS_NUM(2);\n"),
              std::string::npos);
}

TEST(DependencyModule, ExportsAssignments) {
    EXPECT_NE(depModuleText("function f() {}\nmodule.exports = f;\n")
                  .find("_done = 1;\n    mod_m_exports = js_obj_new();\n    mod_m_exports = js_clone_value(mod_m_f);\n}\n"),
              std::string::npos);
    EXPECT_NE(depModuleText("module.exports = { a: 1 };\n")
                  .find("    mod_m_exports = ([&](){ JsValue __obj = js_obj_new(); js_obj_set(&__obj, \"a\", "
                        "JS_NUM(1)); return __obj; })();\n}\n"),
              std::string::npos);
    const std::string dot = depModuleText("var v = 3;\nmodule.exports.k = v;\nmodule.exports.n = 4;\n");
    EXPECT_NE(dot.find("static JsValue mod_m_v;\nstatic JsValue mod_m_n;\n\n"), std::string::npos);
    EXPECT_NE(dot.find("    mod_m_exports = js_obj_new();\n    mod_m_v = JS_NUM(3);\n"
                       "    js_obj_set(&mod_m_exports, \"k\", js_clone_value(mod_m_v));\n    mod_m_n = JS_NUM(4);\n"
                       "    js_obj_set(&mod_m_exports, \"n\", js_clone_value(mod_m_n));\n}\n"),
              std::string::npos);
    const std::string fnExport = depModuleText("function g() {}\nmodule.exports.g = g;\n");
    EXPECT_NE(fnExport.find("_done = 1;\n    mod_m_exports = js_obj_new();\n"
                            "    js_obj_set(&mod_m_exports, \"g\", js_clone_value(mod_m_g));\n}\n"),
              std::string::npos);
}

TEST(DependencyModule, FunctionsArePrefixedStaticWithPrototypes) {
    const std::string text = depModuleText("function f(a, b) { return a; }\n");
    EXPECT_NE(text.find("static JsOwned mod_m_f(JsOwned, JsOwned);\n\n"), std::string::npos);
    // Nothing calls f, so it is left to the plain compiler.
    EXPECT_NE(text.find(" (code) === */\n\n__attribute__((optimize(\"O0\"))) static JsOwned mod_m_f(JsOwned a, JsOwned b) {\n"
                        "    js_stack_check();\n    (void)a;\n    (void)b;\n"
                        "    return a.clone();\n}\n\n"),
              std::string::npos);
}

TEST(Function, NoParametersEmptyBodyGetsOnlyFallbackReturn) {
    CEmitter em;
    EXPECT_EQ(functionText(em, "function f() {}", ""), "JsOwned f() {\n    js_stack_check();\n    return JsOwned();\n}\n");
}

TEST(Function, HoistsNestedFunctionsInOrderAndRestoresScope) {
    CEmitter em;
    em.scope["g"] = "mod_util_g";
    const std::string text = functionText(
        em, "function f() { function g() { function h() {} return h(); } g(); function k() {} }", "mod_util");
    const size_t h = text.find("static JsOwned mod_util_f__n0_g__n0_h() {");
    const size_t g = text.find("static JsOwned mod_util_f__n0_g() {");
    const size_t k = text.find("static JsOwned mod_util_f__n1_k() {");
    const size_t f = text.find("static JsOwned mod_util_f() {");
    ASSERT_NE(h, std::string::npos);
    EXPECT_LT(h, g);
    EXPECT_LT(g, k);
    EXPECT_LT(k, f);
    EXPECT_EQ(em.scope.at("g"), "mod_util_g");
    EXPECT_EQ(em.scope.count("k"), 0u);
    EXPECT_TRUE(em.ownedLocals.empty());
}

TEST(Function, EntryFunctionHasNoStorageWordButItsNestedOnesDo) {
    CEmitter em;
    const std::string text = functionText(em, "function f(x) { function g() {} if (x) { function h() {} } }", "");
    EXPECT_NE(text.find("static JsOwned f__n0_g() {"), std::string::npos);
    EXPECT_NE(text.find("\nJsOwned f(JsOwned x) {\n    js_stack_check();\n    (void)x;\n"), std::string::npos);
    EXPECT_NE(text.find("/* unsupported stmt: nested FunctionDeclaration outside a function body (not hoisted "
                        "here) */"),
              std::string::npos);
}

TEST(Function, PatternParameterIsReportedAndStillCompiles) {
    CEmitter em;
    testing::internal::CaptureStderr();
    const std::string text = functionText(em, "function f(a, {b}) { return a; }", "");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(text.find("JsOwned f(JsOwned a, JsOwned __jsc_p1) {\n    js_stack_check();\n    (void)a;\n    (void)__jsc_p1;\n"),
              std::string::npos);
    EXPECT_NE(err.find("Feature: parameter pattern in f\n"), std::string::npos);
}

TEST(Function, SignatureOfNamedAndAnonymousFunctionExpressions) {
    std::string name;
    std::vector<std::string> params;
    const ASTNode* body = nullptr;
    ASTNode named = parseProgram("(function inner(a, b) { return a; })");
    CEmitter::extractFunctionSignature(named.children[0].children[0], &name, &params, &body);
    EXPECT_EQ(name, "inner");
    EXPECT_EQ(params, (std::vector<std::string>{"a", "b"}));
    ASSERT_NE(body, nullptr);
    ASTNode anon = parseProgram("(function (c) {})");
    CEmitter::extractFunctionSignature(anon.children[0].children[0], &name, &params, &body);
    EXPECT_EQ(name, "");
    EXPECT_EQ(params, (std::vector<std::string>{"c"}));
}

TEST(Dispatcher, ListsFunctionsAndVariableBoundFunctionExpressions) {
    const std::string text = emitProgram(
        "function ping() { return 1; }\nfunction echo(p) { return p; }\nfunction add(a, b) { return a; }\n"
        "var twice = function (x) { return x; };\nvar notFn = 3;\nfunction ping() { return 2; }\n");
    const std::string dispatcher = section(text, "static JsValue __orvan_hybrid_call_aot", "}");
    EXPECT_EQ(dispatcher,
              "static JsValue __orvan_hybrid_call_aot(const char* name, const char* json) {\n"
              "    if (!name || !*name) return JS_UNDEFINED();\n"
              "    JsOwned __payload = JsOwned::from_value(JS_STR(json ? json : \"\"));\n"
              "    if (strcmp(name, \"ping\") == 0) {\n"
              "        JsOwned __ret = ping();\n        return js_clone_value(__ret.borrow());\n    }\n"
              "    if (strcmp(name, \"echo\") == 0) {\n"
              "        JsOwned __ret = echo(__payload.clone());\n        return js_clone_value(__ret.borrow());\n"
              "    }\n"
              "    if (strcmp(name, \"add\") == 0) {\n"
              "        JsOwned __ret = add(__payload.clone(), JsOwned());\n"
              "        return js_clone_value(__ret.borrow());\n    }\n"
              "    if (strcmp(name, \"twice\") == 0) {\n"
              "        JsOwned __ret = twice(__payload.clone());\n        return js_clone_value(__ret.borrow());\n"
              "    }\n"
              "    if (strcmp(name, \"ping\") == 0) {\n"
              "        JsOwned __ret = ping();\n        return js_clone_value(__ret.borrow());\n    }\n"
              "    return JS_UNDEFINED();\n"
              "}\n");
}

TEST(Dispatcher, OnlyParameterlessFunctionsSkipThePayload) {
    const std::string text = emitProgram("function a() {}\nfunction $b() {}\n");
    EXPECT_NE(text.find("    (void)json;\n    if (strcmp(name, \"a\") == 0) {\n        JsOwned __ret = a();\n"),
              std::string::npos);
    EXPECT_NE(text.find("JsOwned __ret = $b();"), std::string::npos);
}

TEST(Requires, EntryDeclarationsAssignTheirStatics) {
    std::vector<Module> list = resolveProgram(
        {{"main.js",
          "const fs = require('fs');\nconst m = require('./m');\nconst f = require('./f');\n"
          "const { add } = require('./math');\nconst n = require('./none');\n"},
         {"m.js", "module.exports = { v: 1 };\n"},
         {"f.js", "function f() {}\nmodule.exports = f;\n"},
         {"math.js", "function add(a, b) { return a + b; }\nmodule.exports = { add };\n"},
         {"none.js", ""}},
        "main.js");
    CEmitter em;
    const std::string text = em.emitModules(list, false);
    EXPECT_NE(text.find("    fs = JsOwned::from_borrowed(js_node_require(JS_STR(\"fs\")));\n"
                        "    mod_m_init(); /* execute module: ./m */\n"
                        "    m = JsOwned::from_borrowed(mod_m_exports);\n"
                        "    mod_f_init(); /* execute module: ./f */\n"
                        "    /* require('./f') resolved at compile time */\n"
                        "    f = JsOwned::from_value(js_clone_value(mod_f_f));\n"
                        "    mod_math_init(); /* execute module: ./math */\n"
                        "    /* require('./math') resolved at compile time */\n"
                        "    mod_none_init(); /* execute module: ./none */\n"
                        "    n = JsOwned::from_borrowed(mod_none_exports);\n"),
              std::string::npos)
        << text;
}

TEST(Requires, DependencyRequireDeclaratorsGetStaticsAndAssignments) {
    std::vector<Module> list = resolveProgram(
        {{"main.js", "require('./m');"},
         {"m.js", "var fs = require('fs');\nvar h = require('./h');\nfunction use() { return fs; }\n"},
         {"h.js", "module.exports = 2;\n"}},
        "main.js");
    CEmitter em;
    const std::string text = em.emitModules(list, false);
    EXPECT_NE(text.find("static JsValue mod_m_exports;\nstatic void mod_m_init(void);\nstatic JsValue mod_m_fs;\n"
                        "static JsValue mod_m_h;\n"),
              std::string::npos);
    EXPECT_NE(text.find("    mod_m_fs = js_node_require(JS_STR(\"fs\"));\n    mod_h_init();\n"
                        "    /* h = require('./h') resolved */\n    mod_m_h = mod_h_exports;\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("    return JsOwned::from_value(js_clone_value(mod_m_fs));\n"), std::string::npos);
}

TEST(Function, VarUsedAfterItsBlockIsDeclaredAtTheTop) {
    CEmitter em;
    EXPECT_EQ(functionText(em,
                           "function f(c) { if (c) { var m = 1; } else { var m = 2; var t = 3; } "
                           "for (var i = 0; i < 2; i++) {} return m + i; }",
                           ""),
              "JsOwned f(JsOwned c) {\n    js_stack_check();\n    (void)c;\n    JsOwned m;\n    JsOwned i;\n"
              "    if (js_truthy(c.borrow())) {\n        m = JS_NUM(1);\n    }\n"
              "    else {\n        m = JS_NUM(2);\n        JsOwned t = JS_NUM(3);\n    }\n"
              "    for (i = JS_NUM(0); js_truthy(JsOwned::from_value(js_lt(i.borrow(), "
              "JsOwned::from_value(JS_NUM(2)).borrow())).borrow()); js_postinc(i.ptr())) {\n    }\n"
              "    return JsOwned::from_value(js_add(m.borrow(), i.borrow()));\n}\n");
}
