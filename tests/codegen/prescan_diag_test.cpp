#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "js_fixture.h"

namespace {

struct Flags {
    bool quickJs, uv, nodeIo, webview;
};

Flags scanFlags(const std::string& source) {
    std::vector<Module> list = resolveProgram({{"main.js", source}}, "main.js");
    CEmitter em;
    em.scanLoweringSubtree(list.back().ast);
    em.collectBareRequireRuntimeFlags(list.back().ast);
    return {em.needQuickJs, em.needUv, em.needNodeIo, em.needWebview};
}

std::string asyncWarnings(const std::string& source) {
    ASTNode program = parseProgram(source);
    CEmitter em;
    testing::internal::CaptureStderr();
    for (const ASTNode& stmt : program.children) em.warnAsyncSubtree(stmt, "/p/main.js");
    return testing::internal::GetCapturedStderr();
}

const char* const kWarning =
    "\xE2\x9A\xA0\xEF\xB8\x8F Orvan Build Warning: Unimplemented JavaScript Feature\nFeature: this expression\n"
    "Detail: 'this' currently lowers to JS_UNDEFINED() in AOT.\n"
    "The Fix: Move this logic to src/island.js, or rewrite using supported static JavaScript.\n";

}  // namespace

TEST(PreScan, TimerNamesTurnOnTheEventLoopEvenUncalled) {
    EXPECT_TRUE(scanFlags("var setTimeout = 1;").uv);
    EXPECT_TRUE(scanFlags("globalThis.setTimeout(f, 1);").uv);
    EXPECT_TRUE(scanFlags("window.setInterval(f, 1);").uv);
    EXPECT_FALSE(scanFlags("var later = 1;").uv);
}

TEST(PreScan, OpenOnGlobalObjectsAsksForTheWebView) {
    EXPECT_TRUE(scanFlags("window.open('x');").webview);
    EXPECT_TRUE(scanFlags("global.open('x');").webview);
    EXPECT_FALSE(scanFlags("door.open('x');").webview);
}

TEST(PreScan, EvalAndFunctionConstructionNeedTheEngine) {
    EXPECT_TRUE(scanFlags("var e = eval;").quickJs);
    EXPECT_TRUE(scanFlags("new Function('return 1');").quickJs);
    EXPECT_FALSE(scanFlags("var x = 1;").quickJs);
}

TEST(PreScan, RequireOfEventModulesAnywhere) {
    Flags top = scanFlags("const e = require('events');");
    EXPECT_TRUE(top.uv);
    EXPECT_TRUE(top.nodeIo);
    // a server made inside a function needs the loop as much as one made at the top
    Flags inner = scanFlags("function f() { const e = require('events'); }");
    EXPECT_TRUE(inner.uv);
    EXPECT_TRUE(inner.nodeIo);
    EXPECT_TRUE(scanFlags("require('node:http').createServer(h);").nodeIo);
    // tls sockets live on the loop as net's do
    Flags tls = scanFlags("const tls = require('tls');");
    EXPECT_TRUE(tls.uv && tls.nodeIo);
    EXPECT_FALSE(scanFlags("const u = require('util');").nodeIo);
    EXPECT_TRUE(scanFlags("setImmediate(f);").uv);
}

TEST(PreScan, HttpHandlerIdsFromIdentifierArgumentsAnywhere) {
    ASTNode program = parseProgram(
        "function start() { http.createServer(onRequest); }\nhttp.createServer(Zed);\n"
        "http.createServer(function (a, b) {});\nother.createServer(x);\n");
    CEmitter em;
    em.collectHttpCreateServerHandlerIds(program);
    EXPECT_EQ(em.httpHandlerIds, (std::set<std::string>{"Zed", "onRequest"}));
}

TEST(PreScan, AsyncWarningsStopAtTheReportedNode) {
    EXPECT_EQ(asyncWarnings("var p = typeof Promise;"),
              "orvan: warning (/p/main.js): Promise/async detection at runtime is limited to QuickJS-hosted code.\n");
    EXPECT_EQ(asyncWarnings("var p = Promise; var q = Promise;"),
              std::string("orvan: warning (/p/main.js): Promise/global async requires the embedded QuickJS + libuv "
                          "path; static codegen has no Promises.\n") +
                  "orvan: warning (/p/main.js): Promise/global async requires the embedded QuickJS + libuv path; "
                  "static codegen has no Promises.\n");
    ASTNode fn = parseProgram("x;");
    fn.children[0].type = "AsyncFunctionDeclaration";
    fn.children[0].children.push_back(
        Parser::parseNode({{"type", "AwaitExpression"}, {"argument", {{"type", "Identifier"}, {"name", "y"}}}}));
    CEmitter em;
    testing::internal::CaptureStderr();
    em.warnAsyncSubtree(fn.children[0], "/p/a.js");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "orvan: warning (/p/a.js): `AsyncFunctionDeclaration` is not statically compiled (use "
              "QuickJS-supported patterns or refactor).\n");
}

TEST(Diagnostics, WarnsOncePerPairUnlessStrict) {
    ASTNode program = parseProgram("while (x) { x = this; }\nwhile (y) { y = this; }\ndebugger;");
    for (const char* value : {"0", ""}) {
        setenv("ORVAN_STRICT_UNSUPPORTED", value, 1);
        CEmitter em;
        em.ownedLocals = {"x", "y"};
        std::ostringstream out;
        testing::internal::CaptureStderr();
        em.emitStmt(program.children[0], out, 0);
        em.emitStmt(program.children[1], out, 0);
        em.emitStmt(program.children[2], out, 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string(kWarning) +
                      "\xE2\x9A\xA0\xEF\xB8\x8F Orvan Build Warning: Unimplemented JavaScript Feature\n"
                      "Feature: DebuggerStatement\nDetail: Statement is emitted as no-op stub.\n"
                      "The Fix: Move this logic to src/island.js, or rewrite using supported static JavaScript.\n");
        EXPECT_EQ(out.str(),
                  "while (js_truthy(x.borrow())) {\n    x = js_clone_value(JS_UNDEFINED() /* this */);\n}\n"
                  "while (js_truthy(y.borrow())) {\n    y = js_clone_value(JS_UNDEFINED() /* this */);\n}\n"
                  "/* unsupported stmt: DebuggerStatement */\n");
    }
    unsetenv("ORVAN_STRICT_UNSUPPORTED");
}

TEST(Diagnostics, StrictModeFailsAtTheFirstNewPair) {
    setenv("ORVAN_STRICT_UNSUPPORTED", "1", 1);
    CEmitter em;
    em.ownedLocals = {"x"};
    em.diagSeen.insert("labeled break|Labeled break is not supported in generated C++.");
    std::ostringstream out;
    ASTNode program = parseProgram("while (x) { break; }\nvar o = this;");
    em.emitStmt(program.children[0], out, 0);
    try {
        em.emitStmt(program.children[1], out, 0);
        FAIL() << "strict mode did not throw";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(),
                     "\xE2\x9D\x8C Orvan Build Error: Unimplemented JavaScript Feature\nFeature: this expression\n"
                     "Detail: 'this' currently lowers to JS_UNDEFINED() in AOT.\n"
                     "The Fix: Move this logic to src/island.js, or rewrite using supported static JavaScript.");
    }
    setenv("ORVAN_STRICT_UNSUPPORTED", "false", 1);
    EXPECT_THROW(CEmitter().diagUnsupported("f", "d"), std::runtime_error);
    unsetenv("ORVAN_STRICT_UNSUPPORTED");
}
