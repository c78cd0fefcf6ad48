#include <gtest/gtest.h>

#include "calls_fixture.h"

namespace {

// An entry program whose top-level variables (owned names) and functions the calls below use.
const char* const kEntry =
    "var a, b, c, d, o, p, u, x, f, k, g, t;\n"
    "function add(m, n) { return m + n; }\n"
    "function handler(req, res) {}\n";

struct EntryCalls : ::testing::Test {
    ProgramEmitter p{Files{{"main.js", kEntry}}};
    void SetUp() override { p.enterEntry(); }
    std::string call(const std::string& src, char form = 'E') { return p.expr(src, form); }
};

}  // namespace

TEST_F(EntryCalls, ConsoleAndWindow) {
    EXPECT_EQ(call("console.log()"), "js_console_log(0)");
    EXPECT_EQ(call("console.log(a, b)"), "js_console_log(2, a.borrow(), b.borrow())");
    EXPECT_EQ(call("console.error(a)"), "js_console_error(1, a.borrow())");
    EXPECT_EQ(call("console.warn(x)"),
              "js_jsc_cm1(JsOwned::from_value(js_clone_value(jsc_g_console)).borrow(), JS_STR(\"warn\"), x.borrow())");
    const std::string open = "js_window_open(u.borrow(), JS_UNDEFINED(), JS_UNDEFINED(), JS_UNDEFINED())";
    EXPECT_EQ(call("window.open(u)"), open);
    EXPECT_EQ(call("globalThis.open(u)"), open);
    EXPECT_EQ(call("global.open(u)"), open);
}

TEST_F(EntryCalls, BuiltinModuleTable) {
    p.em.bareRequireAliases = {{"fs", "fs"}, {"path", "path"}, {"os", "os"}, {"crypto", "crypto"},
                               {"util", "util"}, {"_", "lodash"}, {"proc", "process"}};
    EXPECT_EQ(call("fs.readFileSync(p)"), "js_fs_readFileSync(p.borrow(), JS_UNDEFINED())");
    EXPECT_EQ(call("fs.writeFileSync(p, d, o, x)"), "js_fs_writeFileSync(p.borrow(), d.borrow(), o.borrow())");
    EXPECT_EQ(call("fs.existsSync(p, x)"), "js_fs_existsSync(p.borrow())");
    EXPECT_EQ(call("fs.readdirSync(p)"), "js_fs_readdirSync(p.borrow())");
    EXPECT_EQ(call("path.join(a, b, c)"), "js_path_join(3, a.borrow(), b.borrow(), c.borrow())");
    EXPECT_EQ(call("path.resolve(a)"), "js_path_resolve(a.borrow())");
    EXPECT_EQ(call("path.resolve(a, b)"),
              "js_call(js_obj_get(js_node_require(JS_STR(\"path\")), JS_STR(\"resolve\")), 2, a.borrow(), b.borrow())");
    EXPECT_EQ(call("path.dirname(a)"), "js_path_dirname(a.borrow())");
    EXPECT_EQ(call("path.basename(a)"), "js_path_basename(a.borrow(), JS_UNDEFINED())");
    EXPECT_EQ(call("path.extname(a)"), "js_path_extname(a.borrow())");
    EXPECT_EQ(call("os.platform(x)"), "js_os_platform()");
    EXPECT_EQ(call("os.homedir()"), "js_os_homedir()");
    EXPECT_EQ(call("os.tmpdir()"), "js_os_tmpdir()");
    EXPECT_EQ(call("process.cwd()"), "js_process_cwd()");
    EXPECT_EQ(call("process.exit()"), "js_process_exit(JS_UNDEFINED())");
    EXPECT_EQ(call("proc.exit(a)"), "js_process_exit(a.borrow())");
    EXPECT_EQ(call("crypto.randomBytes(a)"), "js_crypto_randomBytes(a.borrow(), JS_UNDEFINED())");
    EXPECT_EQ(call("crypto.createHash(a)"), "js_crypto_createHash(a.borrow())");
    EXPECT_EQ(call("util.format(a, f)"),
              "js_call(js_obj_get(js_node_require(JS_STR(\"util\")), JS_STR(\"format\")), 2, a.borrow(), f.borrow())");
    EXPECT_EQ(call("fs.statSync(p)"),
              "js_call(js_obj_get(js_node_require(JS_STR(\"fs\")), JS_STR(\"statSync\")), 1, p.borrow())");
    EXPECT_EQ(call("_.map(a)"),
              "js_call(js_obj_get(js_node_require(JS_STR(\"lodash\")), JS_STR(\"map\")), 1, a.borrow())");
}

TEST_F(EntryCalls, CreateServerForms) {
    p.em.bareRequireAliases = {{"http", "http"}, {"net", "net"}};
    p.em.httpHandlerIds = {"handler"};
    EXPECT_EQ(call("http.createServer(handler, x)"),
              "js_http_createServer(JsOwned::from_value(js_native_fn(__jsc_http_th_handler)).borrow())");
    EXPECT_EQ(call("net.createServer(handler)"), "js_net_createServer(JsOwned::from_value(js_clone_value(handler)).borrow())");
    EXPECT_EQ(call("http.createServer()"), "js_http_createServer(JS_UNDEFINED())");
    // options first: the module's own method gets the listener too
    EXPECT_EQ(call("http.createServer({}, h)").rfind("js_call(js_obj_get(js_node_require(JS_STR(\"http\")), "
                                                     "JS_STR(\"createServer\")), 2, ", 0),
              0u);
    EXPECT_EQ(call("net.createServer()"), "js_net_createServer(JS_UNDEFINED())");
    // A variable holding the handler is handed over as the value it holds.
    EXPECT_EQ(call("http.createServer(f)"), "js_http_createServer(f.borrow())");
}

TEST_F(EntryCalls, MethodCallsOnValues) {
    EXPECT_EQ(call("o.m()"), "js_jsc_cm0(o.borrow(), JS_STR(\"m\"))");
    EXPECT_EQ(call("o.m(1, 2, 3, 4, 5, 6, 7, 8, x)"),
              "js_jsc_cm8(o.borrow(), JS_STR(\"m\"), JsOwned::from_value(JS_NUM(1)).borrow(), "
              "JsOwned::from_value(JS_NUM(2)).borrow(), JsOwned::from_value(JS_NUM(3)).borrow(), "
              "JsOwned::from_value(JS_NUM(4)).borrow(), JsOwned::from_value(JS_NUM(5)).borrow(), "
              "JsOwned::from_value(JS_NUM(6)).borrow(), JsOwned::from_value(JS_NUM(7)).borrow(), "
              "JsOwned::from_value(JS_NUM(8)).borrow(), x.borrow())");
    // The key's value names the method, for any object, console included.
    EXPECT_EQ(call("o[k](x)"), "js_jsc_cm1(o.borrow(), k.borrow(), x.borrow())");
    EXPECT_EQ(call("o[0]()"), "js_jsc_cm0(o.borrow(), JsOwned::from_value(JS_NUM(0)).borrow())");
    EXPECT_EQ(call("console[k](x)"),
              "js_jsc_cm1(JsOwned::from_value(js_clone_value(jsc_g_console)).borrow(), k.borrow(), x.borrow())");
}

TEST_F(EntryCalls, GlobalFunctions) {
    EXPECT_EQ(call("String(x)"), "([&](){ char* __s = js_to_cstr(x.borrow()); JsValue __sv = js_str(__s ? __s : \"\"); "
                                 "free(__s); return __sv; }())");
    EXPECT_EQ(call("Number()"), "JS_NUM(js_to_num(JS_NUM(0)))");
    EXPECT_EQ(call("String()"), "([&](){ char* __s = js_to_cstr(JS_STR(\"\")); JsValue __sv = js_str(__s ? __s : \"\"); "
                                "free(__s); return __sv; }())");
    EXPECT_EQ(call("Boolean(x)"), "JS_BOOL(js_truthy(x.borrow()))");
    EXPECT_FALSE(p.em.needQuickJs);
    EXPECT_EQ(call("eval(x)"), "jsc_quickjs_eval_from_jsvalue(x.borrow(), \"eval\")");
    EXPECT_TRUE(p.em.needQuickJs);
    EXPECT_EQ(call("Function()"), "jsc_quickjs_function_construct((int)0, (const JsValue[]){  })");
    EXPECT_EQ(call("Function(a, b)"), "jsc_quickjs_function_construct((int)2, (const JsValue[]){ a.borrow(), b.borrow() })");
    std::string many = "Function(";
    for (int i = 0; i < 25; ++i) many += (i ? ", " : "") + std::string(i == 24 ? "x" : "a");
    EXPECT_EQ(call(many + ")").find("x.borrow()"), std::string::npos);
    EXPECT_NE(call(many + ")").find("(int)24"), std::string::npos);
    EXPECT_FALSE(p.em.needUv);
    EXPECT_EQ(call("clearTimeout(t)"), "jsc_uv_clear_timer(t.borrow())");
    EXPECT_TRUE(p.em.needUv);
    EXPECT_EQ(call("setTimeout(f)"), "jsc_uv_set_timeout_ms(f.borrow(), JS_NUM(0))");
    // arguments after the delay reach the callback
    EXPECT_EQ(call("setInterval(f, a, b)"), "jsc_uv_set_interval_ms(f.borrow(), a.borrow(), b.borrow())");
    EXPECT_EQ(call("clearInterval()"), "jsc_uv_clear_timer(JS_UNDEFINED())");
    EXPECT_EQ(call("setImmediate(f, a)"), "jsc_uv_set_immediate(f.borrow(), a.borrow())");
    EXPECT_EQ(call("clearImmediate(t)"), "jsc_uv_clear_immediate(t.borrow())");
}

TEST_F(EntryCalls, CompiledAndDestructuredFunctions) {
    EXPECT_EQ(call("add(1, x)"), "add(JsOwned::from_value(JS_NUM(1)), JsOwned::from_borrowed(x.borrow())).borrow()");
    EXPECT_EQ(call("add(1, x)", 'A'), "add(JsOwned::from_value(JS_NUM(1)), JsOwned::from_borrowed(x.borrow()))");
    // x is a static the inner call may change: it is read after the call.
    EXPECT_EQ(call("add(add(1, 2), x)"),
              "([&]() -> JsValue { JsOwned __jsc_a1 = add(JsOwned::from_value(JS_NUM(1)), JsOwned::from_value(JS_NUM(2))); "
              "JsOwned __jsc_a2 = JsOwned::from_borrowed(x.borrow()); "
              "return add(std::move(__jsc_a1), std::move(__jsc_a2)).borrow(); }())");
    // Another count of arguments than the function declares goes through the runtime, which pads or drops.
    EXPECT_EQ(call("add(1)"),
              "JsOwned::from_value(js_call(JsOwned::from_value(js_clone_value(add)).borrow(), 1, "
              "JsOwned::from_value(JS_NUM(1)).borrow())).borrow()");
    p.em.bareRequireDestructured.insert("join");
    EXPECT_EQ(call("join(a)"), "js_call(join.borrow(), 1, a.borrow())");
    // A parameter named like a compiled function is the parameter.
    p.em.ownedLocals = {"add"};
    p.em.entryStatics.clear();
    EXPECT_EQ(call("add(1, 2)"),
              "JsOwned::from_value(js_call(add.borrow(), 2, JsOwned::from_value(JS_NUM(1)).borrow(), "
              "JsOwned::from_value(JS_NUM(2)).borrow())).borrow()");
}

TEST_F(EntryCalls, CallsThroughValues) {
    EXPECT_EQ(call("f(1)"), "JsOwned::from_value(js_call(f.borrow(), 1, JsOwned::from_value(JS_NUM(1)).borrow())).borrow()");
    EXPECT_EQ(call("f(1)", 'A'), "JsOwned::from_value(js_call(f.borrow(), 1, JsOwned::from_value(JS_NUM(1)).borrow()))");
    EXPECT_EQ(call("f()()"), "JsOwned::from_value(js_call(JsOwned::from_value(js_call(f.borrow(), 0)).borrow(), 0)).borrow()");
    EXPECT_EQ(call("parseInt(a)"),
              "JsOwned::from_value(js_call(JsOwned::from_value(js_clone_value(parseInt)).borrow(), 1, a.borrow())).borrow()");
    EXPECT_EQ(call("o.list[0](x)"),
              "js_jsc_cm1(JsOwned::from_value(js_obj_get_q(o.borrow(), \"list\")).borrow(), "
              "JsOwned::from_value(JS_NUM(0)).borrow(), x.borrow())");
}

TEST(ValueCalls, FunctionExpressionCalledInPlace) {
    ProgramEmitter p(Files{{"main.js", "(function (n) { return n; })(1);\n"}});
    p.enterEntry();
    std::ostringstream os;
    p.em.emitExpr(p.list.back().ast.children[0].children[0], os);
    EXPECT_EQ(os.str(), "JsOwned::from_value(js_call(js_native_fn(__jsc_fe_1, 1), 1, JsOwned::from_value(JS_NUM(1)).borrow())).borrow()");
}

TEST(RequireCalls, OutsideDeclarations) {
    ProgramEmitter p(Files{{"main.js", "var a;\nrequire('./m');\nrequire('fs').readFileSync(a);\nrequire('./m').go();\n"},
                      {"m.js", "module.exports.go = function () {};\n"}});
    p.enterEntry();
    auto text = [&](size_t i, bool borrow) {
        std::ostringstream os;
        p.em.emitCallImpl(p.list.back().ast.children[i].children[0], os, borrow);
        return os.str();
    };
    EXPECT_EQ(text(1, true), "(mod_m_init(), mod_m_exports)");
    EXPECT_EQ(text(1, false), "JsOwned::from_borrowed((mod_m_init(), mod_m_exports))");
    EXPECT_EQ(text(2, true), "([&]() -> JsValue { JsValue __jsc_a1 = JsOwned::from_value(js_node_require(JS_STR(\"fs\"))).borrow(); "
                             "JsValue __jsc_a2 = a.borrow(); return js_jsc_cm1(__jsc_a1, JS_STR(\"readFileSync\"), __jsc_a2); }())");
    EXPECT_EQ(text(3, true), "js_jsc_cm0((mod_m_init(), mod_m_exports), JS_STR(\"go\"))");
}

TEST(UnboundNames, ThrowAtRunTimeAndAreReportedOnce) {
    ProgramEmitter p(Files{{"main.js", "function f() {}\nnope(f(), g());\n"}});
    p.enterEntry();
    std::string text;
    const std::string err = stderrOf([&] {
        std::ostringstream os;
        p.em.emitCallImpl(p.list.back().ast.children[1].children[0], os, true);
        text = os.str();
        p.em.unboundNameText("nope");
    });
    // The callee throws before any argument is evaluated, as in JavaScript.
    EXPECT_EQ(text, "(js_not_defined(\"nope\"), jsc_g_globalThis)");
    EXPECT_EQ(err, "\xE2\x9A\xA0\xEF\xB8\x8F Orvan Build Warning: Unimplemented JavaScript Feature\n"
                   "Feature: undeclared name `nope`\n"
                   "Detail: Nothing declares `nope`; it throws ReferenceError \"nope is not defined\" where it is "
                   "evaluated.\n"
                   "The Fix: Move this logic to src/island.js, or rewrite using supported static JavaScript.\n");
    for (const char* bound : {"f", "parseInt", "undefined", "console", "Math"}) EXPECT_EQ(p.em.unboundNameText(bound), bound);
    EXPECT_NE(stderrOf([&] { EXPECT_EQ(p.em.unboundNameText("arguments"), "(js_not_defined(\"arguments\"), jsc_g_globalThis)"); })
                  .find("Feature: undeclared name `arguments`\n"),
              std::string::npos);
    setenv("ORVAN_STRICT_UNSUPPORTED", "1", 1);
    EXPECT_THROW(p.em.unboundNameText("other"), std::runtime_error);
    unsetenv("ORVAN_STRICT_UNSUPPORTED");
}

TEST(UnboundNames, EntryFunctionsAreNotVisibleFromDependencyModules) {
    std::string err;
    std::vector<Module> list = resolveProgram(
        {{"main.js", "function helper() { return 1; }\nrequire('./dep');\nhelper();\n"},
         {"dep.js", "helper();\n"}},
        "main.js");
    CEmitter em;
    std::string text;
    err = stderrOf([&] { text = em.emitModules(list, false); });
    const std::string dep = text.substr(0, text.find("JsOwned helper("));
    EXPECT_NE(dep.find("    (js_not_defined(\"helper\"), jsc_g_globalThis);\n"), std::string::npos) << dep;
    EXPECT_NE(text.find("    helper().borrow();\n"), std::string::npos);
    EXPECT_NE(err.find("Feature: undeclared name `helper`\n"), std::string::npos);
}

TEST_F(EntryCalls, PartsThatActAreEvaluatedLeftToRight) {
    EXPECT_EQ(call("console.log(f(), g())"),
              "([&]() -> JsValue { JsValue __jsc_a1 = JsOwned::from_value(js_call(f.borrow(), 0)).borrow(); "
              "JsValue __jsc_a2 = JsOwned::from_value(js_call(g.borrow(), 0)).borrow(); "
              "return js_console_log(2, __jsc_a1, __jsc_a2); }())");
    EXPECT_EQ(call("add(f(), o.k)", 'A'),
              "([&]() -> JsOwned { JsOwned __jsc_a3 = JsOwned::from_value(js_call(f.borrow(), 0)); "
              "JsOwned __jsc_a4 = JsOwned::from_value(js_obj_get_q(o.borrow(), \"k\")); "
              "return add(std::move(__jsc_a3), std::move(__jsc_a4)); }())");
    // A static next to a call is read after it (the call may change it).
    EXPECT_EQ(call("console.log(f(), a)"),
              "([&]() -> JsValue { JsValue __jsc_a5 = JsOwned::from_value(js_call(f.borrow(), 0)).borrow(); "
              "JsValue __jsc_a6 = a.borrow(); return js_console_log(2, __jsc_a5, __jsc_a6); }())");
    // A local of the function being written cannot change under a call: the text stays plain.
    p.em.ownedLocals.insert("loc");
    EXPECT_EQ(call("console.log(f(), loc)"),
              "js_console_log(2, JsOwned::from_value(js_call(f.borrow(), 0)).borrow(), loc.borrow())");
}
