#include <gtest/gtest.h>

#include <sstream>

#include "calls_fixture.h"

namespace {

std::string emitWhole(const std::map<std::string, std::string>& files, std::string* err = nullptr) {
    std::vector<Module> list = resolveProgram(files, "main.js");
    CEmitter em;
    std::string text;
    const std::string printed = stderrOf([&] { text = em.emitModules(list, false); });
    if (err) *err = printed;
    return text;
}

std::string bodyOf(const std::string& text, const std::string& name) {
    const size_t at = text.find("static JsValue " + name + "(int argc, JsValue* argv) {\n");
    if (at == std::string::npos) return std::string();
    return text.substr(at, text.find("}\n\n", at) + 3 - at);
}

}  // namespace

TEST(NativeCallbacks, ProgramsWithoutFunctionExpressionsOrHandlersWriteNoneOfTheirText) {
    const std::string text = emitWhole({{"main.js", "function f(a) { return a; }\nconsole.log(f(1));\n"}});
    EXPECT_EQ(text.find("__jsc_fe_"), std::string::npos);
    EXPECT_EQ(text.find("__jsc_http_th_"), std::string::npos);
    // No adapter prototypes and no blank line for them before the entry's functions.
    EXPECT_EQ(text.find("\n\n\nJsOwned f("), std::string::npos);
}

TEST(NativeCallbacks, NumberingAndPrototypes) {
    ProgramEmitter p(Files{{"main.js", "require('./dep');\nvar top = function () { return function () {}; };\n"},
                      {"dep.js", "var g = function () {};\n"}});
    const ASTNode& depFe = p.module("dep").ast.children[0].children[0].children[1];
    const ASTNode& outer = p.list.back().ast.children[1].children[0].children[1];
    const ASTNode& inner = outer.children.back().children[0].children[0];
    EXPECT_EQ(p.em.feCount, 3);
    EXPECT_EQ(p.em.queueFeNative(depFe), "__jsc_fe_1");
    EXPECT_EQ(p.em.queueFeNative(outer), "__jsc_fe_2");
    EXPECT_EQ(p.em.queueFeNative(inner), "__jsc_fe_3");
    EXPECT_EQ(p.em.pendingFe, (std::vector<const ASTNode*>{&depFe, &outer, &inner}));
    // Numbering twice gives nothing new.
    p.em.scanFeUidsSubtree(p.list.back().ast);
    EXPECT_EQ(p.em.feCount, 3);

    const ASTNode stray = parseProgram("(function () {})").children[0].children[0];
    try {
        p.em.queueFeNative(stray);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "CEmitter: FunctionExpression not covered by scanFeUids (internal)");
    }

    const std::string text = emitWhole({{"main.js", "var f = function () {};\nvar g = function () {};\n"}});
    EXPECT_NE(text.find("#include <stdexcept>\n\nstatic JsValue __jsc_fe_1(int argc, JsValue* argv);\n"
                        "static JsValue __jsc_fe_2(int argc, JsValue* argv);\n\n\nstatic JsValue jsc_g_console;"),
              std::string::npos);
}

TEST(NativeCallbacks, BodiesParametersAndReturns) {
    const std::string text = emitWhole(
        {{"main.js", "var f = function (x, y) { return x; };\n"
                     "var g = function (n) { if (n) { return 1; } else { return 2; } };\n"
                     "var h = function () {};\n"
                     "var unused = [function () { console.log('never named'); }];\n"}});
    EXPECT_EQ(bodyOf(text, "__jsc_fe_1"),
              "static JsValue __jsc_fe_1(int argc, JsValue* argv) {\n"
              "    JsOwned x = argc > 0 ? JsOwned::from_value(js_clone_value(argv[0])) : JsOwned();\n"
              "    JsOwned y = argc > 1 ? JsOwned::from_value(js_clone_value(argv[1])) : JsOwned();\n"
              "    return js_clone_value(x.borrow());\n"
              "}\n\n");
    EXPECT_NE(bodyOf(text, "__jsc_fe_2").find("    }\n    return js_clone_value(JS_UNDEFINED());\n}\n\n"),
              std::string::npos);
    EXPECT_EQ(bodyOf(text, "__jsc_fe_3"),
              "static JsValue __jsc_fe_3(int argc, JsValue* argv) {\n    (void)argc;\n    (void)argv;\n"
              "    return js_clone_value(JS_UNDEFINED());\n}\n\n");
    // Never referenced by emitted code (the array literal is a stub), still written.
    EXPECT_NE(bodyOf(text, "__jsc_fe_4").find("never named"), std::string::npos);
    // The bodies come after main().
    EXPECT_LT(text.find("    return 0;\n}\n"), text.find("static JsValue __jsc_fe_1(int argc, JsValue* argv) {"));
}

TEST(NativeCallbacks, NamedFunctionExpressionSeesItself) {
    const std::string text =
        emitWhole({{"main.js", "var fact = function fact(n) { return n ? n * fact(n - 1) : 1; };\n"}});
    EXPECT_NE(bodyOf(text, "__jsc_fe_1").find("    JsOwned fact = JsOwned::from_value(js_native_fn(__jsc_fe_1, 1));\n"),
              std::string::npos);
}

// A native's signature does not show the function's parameters, so the value carries its length:
// the parameters before the first default or rest one, or what the front end noted before Babel
// lowered the defaults. A length of 0 is not written.
TEST(NativeCallbacks, FunctionValuesCarryTheirLength) {
    const std::string text = emitWhole(
        {{"main.js", "var none = function () {};\nvar two = function (a, b) { return a; };\n"
                     "var dflt = function (a, b = 1, c) { return a; };\nvar rest = function (a, ...r) { return a; };\n"
                     "var noted = function (a, b, c) { \"orvan:length 1\"; return a; };\n"
                     "console.log(function (x, y, z) { return x; });\n"
                     "var http = require('http');\nhttp.createServer(function (req, res) {});\n"
                     "function d(a, b = 1) {}\nfunction e(a, b) {}\n"}});
    for (const char* value : {"js_native_fn_named(__jsc_fe_1, \"none\"))", "js_native_fn_named(__jsc_fe_2, \"two\", 2)",
                              "js_native_fn_named(__jsc_fe_3, \"dflt\", 1)", "js_native_fn_named(__jsc_fe_4, \"rest\", 1)",
                              "js_native_fn_named(__jsc_fe_5, \"noted\", 1)", "js_native_fn(__jsc_fe_6, 3)",
                              "js_http_createServer(JsOwned::from_value(js_native_fn(__jsc_fe_7, 2)).borrow())"})
        EXPECT_NE(text.find(value), std::string::npos) << value;
    // A declared function's length is its parameter count unless a default makes it less.
    EXPECT_NE(text.find("    js_length_compiled_fn(reinterpret_cast<void (*)()>(d), 1);\n"), std::string::npos);
    EXPECT_EQ(text.find("js_length_compiled_fn(reinterpret_cast<void (*)()>(e)"), std::string::npos);
    // The note itself is not code.
    EXPECT_EQ(text.find("orvan:length"), std::string::npos);
    EXPECT_NE(bodyOf(text, "__jsc_fe_5").find("    JsOwned c = argc > 2 ?"), std::string::npos);
}

TEST(NativeCallbacks, DependencyNativesSeeTheirOwnModule) {
    const std::string text = emitWhole(
        {{"main.js", "var total = 0;\nvar lib = require('./lib');\nlib.run(function () { total = total + 1; });\n"},
         {"lib.js", "var total = 10;\nfunction step(x) { return x; }\n"
                    "module.exports.run = function (cb) { total = step(total); cb(); };\n"}});
    const std::string dep = bodyOf(text, "__jsc_fe_1");
    EXPECT_NE(dep.find("mod_lib_total"), std::string::npos) << dep;
    EXPECT_NE(dep.find("mod_lib_step("), std::string::npos) << dep;
    const std::string entry = bodyOf(text, "__jsc_fe_2");
    EXPECT_NE(entry.find("    total = js_add(total.borrow(), "), std::string::npos) << entry;
    EXPECT_EQ(entry.find("mod_lib_"), std::string::npos) << entry;
}

TEST(HttpAdapters, DeclarationsBodiesAndNames) {
    std::string err;
    const std::string text = emitWhole(
        {{"main.js", "var http = require('http');\nfunction onReq(req, res) {}\nfunction Alpha(req) {}\n"
                     "function a$b(req, res, extra) {}\nfunction a_b(req, res) {}\n"
                     "http.createServer(onReq);\nhttp.createServer(Alpha);\nhttp.createServer(a$b);\n"
                     "http.createServer(a_b);\n"}},
        &err);
    EXPECT_NE(text.find("static JsValue __jsc_http_th_Alpha(int argc, JsValue* argv);\n"
                        "static JsValue __jsc_http_th_a_b(int argc, JsValue* argv);\n"
                        "static JsValue __jsc_http_th_a_b_2(int argc, JsValue* argv);\n"
                        "static JsValue __jsc_http_th_onReq(int argc, JsValue* argv);\n\n"),
              std::string::npos);
    EXPECT_EQ(bodyOf(text, "__jsc_http_th_onReq"),
              "static JsValue __jsc_http_th_onReq(int argc, JsValue* argv) {\n"
              "    JsOwned a = argc > 0 ? JsOwned::from_value(js_clone_value(argv[0])) : JsOwned();\n"
              "    JsOwned b = argc > 1 ? JsOwned::from_value(js_clone_value(argv[1])) : JsOwned();\n"
              "    (void)onReq(std::move(a), std::move(b));\n"
              "    return js_undefined();\n"
              "}\n\n");
    EXPECT_NE(bodyOf(text, "__jsc_http_th_Alpha").find("    (void)Alpha(std::move(a));\n"), std::string::npos);
    EXPECT_NE(bodyOf(text, "__jsc_http_th_a_b").find("    (void)a$b(std::move(a), std::move(b), JsOwned());\n"),
              std::string::npos);
    EXPECT_NE(bodyOf(text, "__jsc_http_th_a_b_2").find("    (void)a_b(std::move(a), std::move(b));\n"),
              std::string::npos);
    EXPECT_NE(text.find("js_http_createServer(JsOwned::from_value(js_native_fn(__jsc_http_th_a_b_2)).borrow());"),
              std::string::npos);
    // Prototypes before the entry's statics, bodies after main().
    EXPECT_LT(text.find("static JsValue __jsc_http_th_onReq(int argc, JsValue* argv);"), text.find("static JsOwned http;"));
    EXPECT_LT(text.find("    return 0;\n}\n"), text.find("static JsValue __jsc_http_th_Alpha(int argc, JsValue* argv) {"));
}

TEST(HttpAdapters, HandlersDefinedElsewhereAreCalledThroughTheirValue) {
    const std::string text = emitWhole(
        {{"main.js", "var http = require('http');\nvar { routes } = require('./routes');\nhttp.createServer(routes);\n"},
         {"routes.js", "function routes(req, res) {}\nmodule.exports = { routes: routes };\n"}});
    EXPECT_EQ(text.find("__jsc_http_th_"), std::string::npos);
    EXPECT_NE(text.find("js_http_createServer(JsOwned::from_value(js_clone_value(mod_routes_routes)).borrow())"),
              std::string::npos);
}

TEST(ClosureCaptures, ReportedOncePerVariable) {
    std::string err;
    emitWhole({{"main.js", "function outer(x) {\n  var y = 1;\n  function inner() { return y; }\n"
                           "  return function () { return x + y + inner() + x; };\n}\n"
                           "var z = 2;\nvar f = function (q) { return q + z; };\n"}},
              &err);
    EXPECT_NE(err.find("Feature: closure over `x`\nDetail: A nested function reads `x`, a local of an enclosing "
                       "function; closures are not compiled, so the nested function cannot see it.\n"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("Feature: closure over `y`\n"), std::string::npos);
    EXPECT_EQ(err.find("closure over `x`", err.find("closure over `x`") + 1), std::string::npos);
    // Hoisted siblings, the function's own parameters and module-level names are visible.
    EXPECT_EQ(err.find("closure over `inner`"), std::string::npos);
    EXPECT_EQ(err.find("closure over `q`"), std::string::npos);
    EXPECT_EQ(err.find("closure over `z`"), std::string::npos);
}

TEST(NativeCallbacks, RequireInsideADependencyNativeIsRelativeToThatModule) {
    const std::string text = emitWhole(
        {{"main.js", "var lib = require('./lib/lib');\nlib.run();\n"},
         {"lib/lib.js", "module.exports.run = function () { return require('./sub').ping(); };\n"},
         {"lib/sub.js", "module.exports.ping = function () { return 1; };\n"}});
    EXPECT_NE(bodyOf(text, "__jsc_fe_2").find("js_jsc_cm0((mod_sub_init(), mod_sub_exports), JS_STR(\"ping\"))"),
              std::string::npos)
        << text;
}
