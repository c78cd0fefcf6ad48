#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frontend/engine_host.h"
#include "frontend/engine_values.h"
#include "frontend/module_resolver.h"
#include "frontend/script_bytecode.h"
#include "test_support.h"

using nlohmann::json;

namespace {

// Stand-ins for the two libraries: small, so each test can bootstrap its own engine.
const char* const kFakeEsprima =
    "var esprima = { parseScript: function (s) {"
    "  if (s === 'undef') return undefined;"
    "  return { type: 'Program', body: [], from: FROM, text: s }; } };";
const char* const kFakeBabel =
    "var Babel = { transform: function (s, options) {"
    "  if (s === 'num') return { code: 5 };"
    "  if (s === 'bad') throw new SyntaxError('nope');"
    "  return { code: '/*' + options.presets[0][1].targets.ie + '*/' + s }; } };";

std::string fakeEsprima(const std::string& from) {
    std::string text = kFakeEsprima;
    return text.replace(text.find("FROM"), 4, "'" + from + "'");
}

json parsed(JSContext* ctx, const std::string& source) {
    return json::parse(ModuleResolver::parseScriptToAstJson(ctx, source, "p.js"));
}

}  // namespace

TEST(Bootstrap, CurrentFolderWinsAndEachLibraryIsLookedUpAlone) {
    TempDir install, cwd;
    install.write("esprima.js", fakeEsprima("install"));
    install.write("babel.min.js", "var notBabel = 1;");
    cwd.write("esprima.js", fakeEsprima("cwd"));
    ScopedCwd inCwd(cwd.str());
    ScopedEnv babelOn("JSC_NO_BABEL", std::nullopt);
    QjsGuard guard;
    ASSERT_TRUE(guard.rt && guard.ctx);
    bootstrapQjs(guard.ctx, install.str());

    EXPECT_EQ(parsed(guard.ctx, "x")["from"], "cwd");
    // Without a global Babel the wrapper hands the source back as written.
    EXPECT_EQ(babelTransformSource(guard.ctx, "const a = 1;", "p.js"), "const a = 1;");
    // The shim gave the libraries a silent console.
    qjsEvalScript(guard.ctx, "console.log('x'); if (typeof console.debug !== 'function') throw 1;", "<t>");
}

TEST(Bootstrap, MissingLibrariesAndFailingScripts) {
    TempDir install, cwd;
    ScopedCwd inCwd(cwd.str());
    {
        QjsGuard guard;
        EXPECT_EQ(thrownMessage([&] { bootstrapQjs(guard.ctx, install.str()); }),
                  "esprima.js not found in CWD or " + install.str() + " \xE2\x80\x94 run make deps.");
    }
    install.write("esprima.js", fakeEsprima("install"));
    {
        QjsGuard guard;
        EXPECT_EQ(thrownMessage([&] { bootstrapQjs(guard.ctx, install.str()); }),
                  "babel.min.js not found in CWD or " + install.str() + " \xE2\x80\x94 run make deps.");
        // The parser was loaded before the transpiler was looked for.
        EXPECT_EQ(parsed(guard.ctx, "x")["from"], "install");
    }
    install.write("babel.min.js", "throw new RangeError('boom');");
    {
        QjsGuard guard;
        EXPECT_EQ(thrownMessage([&] { bootstrapQjs(guard.ctx, install.str()); }),
                  "orvan: babel.min.js: RangeError: boom");
    }
}

// The build's bytecode beside a library stands for it only while it was made
// from exactly that text and arrives whole; otherwise the text is evaluated.
TEST(Bootstrap, BytecodeBesideALibraryIsUsedOnlyForItsOwnText) {
    TempDir install, cwd;
    ScopedCwd inCwd(cwd.str());
    const std::string babel = "var Babel = { transform: function (s) { return { code: 'text:' + s }; } };";
    std::string bytecode;
    {
        QjsGuard maker;
        const std::string compiled =
            "var Babel = { transform: function (s) { return { code: 'bytecode:' + s }; } };";
        // Made from other text on purpose, so the tests can tell which one ran.
        bytecode = scriptBytecodeFile(maker.ctx, compiled, "babel.min.js");
        std::string header = scriptBytecodeFile(maker.ctx, babel, "babel.min.js");
        bytecode.replace(0, 38, header, 0, 38);
        EXPECT_EQ(thrownMessage([&] { scriptBytecodeFile(maker.ctx, "var = ;", "babel.min.js"); })
                      .rfind("orvan: babel.min.js: SyntaxError", 0),
                  0u);
    }
    install.write("esprima.js", fakeEsprima("install"));
    install.write("babel.min.js", babel);
    auto transformed = [&] {
        QjsGuard guard;
        bootstrapQjs(guard.ctx, install.str());
        return babelTransformSource(guard.ctx, "x", "p.js");
    };
    install.write("babel.min.js.bytecode", bytecode);
    EXPECT_EQ(transformed(), "bytecode:x");
    install.write("babel.min.js.bytecode", bytecode.substr(0, bytecode.size() - 1));
    EXPECT_EQ(transformed(), "text:x");
    std::string flipped = bytecode;
    flipped[flipped.size() / 2] ^= 0x40;
    install.write("babel.min.js.bytecode", flipped);
    EXPECT_EQ(transformed(), "text:x");
    install.write("babel.min.js.bytecode", bytecode);
    install.write("babel.min.js", babel + "\n");
    EXPECT_EQ(transformed(), "text:x");
}

TEST(EngineHost, EvaluationFailuresCarryTheExceptionText) {
    QjsGuard guard;
    EXPECT_EQ(thrownMessage([&] { qjsEvalScript(guard.ctx, "throw new TypeError('bad')", "<t>"); }),
              "orvan: <t>: TypeError: bad");
    EXPECT_EQ(thrownMessage([&] { qjsEvalScript(guard.ctx, "throw 42", "<t>"); }), "orvan: <t>: 42");
    EXPECT_EQ(thrownMessage([&] { qjsEvalScript(guard.ctx, "throw {toString: function(){ throw 1; }}", "<t>"); }),
              "orvan: <t>: exception");
    qjsEvalScript(guard.ctx, "var stillUsable = 1;", "<t>");
}

TEST(EngineHost, FakeTranspilerResultsAndFailures) {
    TempDir install;
    install.write("esprima.js", fakeEsprima("install"));
    install.write("babel.min.js", kFakeBabel);
    ScopedEnv babelOn("JSC_NO_BABEL", std::nullopt);
    QjsGuard guard;
    bootstrapQjs(guard.ctx, install.str());

    EXPECT_EQ(babelTransformSource(guard.ctx, "f()", "p.js"), "/*11*/f()");
    EXPECT_EQ(thrownMessage([&] { babelTransformSource(guard.ctx, "bad", "/q/p.js"); }),
              "orvan: Babel transform failed for /q/p.js: SyntaxError: nope");
    EXPECT_EQ(thrownMessage([&] { babelTransformSource(guard.ctx, "num", "/q/p.js"); }),
              "orvan: internal error: Babel.transform did not return a string for /q/p.js");
    EXPECT_EQ(thrownMessage([&] { ModuleResolver::parseScriptToAstJson(guard.ctx, "undef", "p.js"); }),
              "orvan: internal error: JSON.stringify did not return a string");

    // Quoting: every byte reaches the scripts as written, controls and quotes included.
    std::string tricky = "a\"b\\c\td\r\ne\x01\x1f\x7f\b\f'`${x}\xC3\xA9\xE2\x80\x94";
    EXPECT_EQ(parsed(guard.ctx, tricky)["text"], tricky);
    EXPECT_EQ(babelTransformSource(guard.ctx, tricky, "p.js"), "/*11*/" + tricky);
    EXPECT_EQ(parsed(guard.ctx, "")["text"], "");
}

TEST(EngineHost, NoBabelSwitch) {
    JSContext* ctx = sharedContext();
    for (const char* off : {"", "0"}) {
        ScopedEnv env("JSC_NO_BABEL", std::string(off));
        EXPECT_FALSE(noBabel()) << '"' << off << '"';
        EXPECT_EQ(babelTransformSource(ctx, "const x = 1;", "p.js").find("const"), std::string::npos);
    }
    {
        ScopedEnv env("JSC_NO_BABEL", std::nullopt);
        EXPECT_FALSE(noBabel());
        json program = parsed(ctx, babelTransformSource(ctx, "let y = () => 2;", "p.js"));
        EXPECT_EQ(program["body"].back()["kind"], "var");
    }
    for (const char* on : {"1", "00", "false", "yes"}) {
        ScopedEnv env("JSC_NO_BABEL", std::string(on));
        EXPECT_TRUE(noBabel()) << on;
        EXPECT_EQ(babelTransformSource(ctx, "const x = 1;", "p.js"), "const x = 1;");
    }
}

TEST(EngineHost, RealParserOutput) {
    JSContext* ctx = sharedContext();
    json empty = parsed(ctx, "");
    EXPECT_EQ(empty["type"], "Program");
    EXPECT_TRUE(empty["body"].empty());
    EXPECT_FALSE(empty.contains("loc"));
    EXPECT_FALSE(empty.contains("range"));

    std::string literal = "'q\"\\\\\t\x01\x7f'";
    json program = parsed(ctx, "var s = " + literal + ";");
    EXPECT_EQ(program["body"][0]["declarations"][0]["init"]["raw"], literal);
}

// The installed transpiler skips the walk that renames block-level functions
// when a lowered `let` has no function of its name; where one exists the
// rename must still happen, wherever the function stands.
TEST(EngineHost, LetLoweredBesideBlockFunctionsOfItsName) {
    JSContext* ctx = sharedContext();
    ScopedEnv env("JSC_NO_BABEL", std::nullopt);
    std::string out = babelTransformSource(ctx,
                                           "let f = 1;\n"
                                           "{ function f() { return 2; } f(); }\n"
                                           "if (f) { function g() {} }\n"
                                           "let g = 3;\n"
                                           "let h = 4;\n"
                                           "function k() { let q = 1; { function q() {} } return q; }\n",
                                           "p.js");
    for (const char* expected : {"var f = 1;", "function _f()", "_f();", "function _g()", "var g = 3;",
                                 "var h = 4;", "var q = 1;", "function _q()", "return q;"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected << " in\n" << out;
    EXPECT_EQ(out.find("_h"), std::string::npos) << out;
}

// The installed transpiler leaves out walks that find nothing in most sources
// (async functions, exported names, source-map comments); where there is
// something to find, the work must still be done.
TEST(EngineHost, TranspilerWalksLeftOutOnlyWhenTheyFindNothing) {
    JSContext* ctx = sharedContext();
    ScopedEnv env("JSC_NO_BABEL", std::nullopt);
    auto expectIn = [](const std::string& out, std::initializer_list<const char*> present,
                       std::initializer_list<const char*> absent) {
        for (const char* text : present) EXPECT_NE(out.find(text), std::string::npos) << text << " in\n" << out;
        for (const char* text : absent) EXPECT_EQ(out.find(text), std::string::npos) << text << " in\n" << out;
    };
    expectIn(babelTransformSource(ctx,
                                  "async function* g() { yield* h(); for await (const x of g()) f(x); }\n"
                                  "var async = 'async';\n",
                                  "p.js"),
             {"_wrapAsyncGenerator", "_asyncGeneratorDelegate", "_asyncIterator", "var async = 'async';"},
             {"async function", "for await"});
    expectIn(babelTransformSource(ctx, "export var count = 0;\nexport let total;\nexport function inc() { count++; }\n",
                                  "p.js"),
             {"var count = exports.count = 0;", "exports.count = count", "exports.inc = inc"}, {"export "});
    expectIn(babelTransformSource(ctx,
                                  "var a = 1; // kept\n"
                                  "//# sourceMappingURL=data:application/json;base64,e30=\n"
                                  "/* also kept */ var b = 2;\n",
                                  "p.js"),
             {"// kept", "/* also kept */", "var b = 2;"}, {"sourceMappingURL"});
}

// Babel's loose lowering keeps a parameter with a default in the list; the length the user's list
// gives is left as a directive at the top of the body, only where a default makes it differ.
TEST(EngineHost, DefaultParametersLeaveTheLengthAsADirective) {
    JSContext* ctx = sharedContext();
    ScopedEnv env("JSC_NO_BABEL", std::nullopt);
    const std::string out = babelTransformSource(ctx,
                                                 "var f = function (a, b = 1, c) { return c; };\n"
                                                 "var g = (x = 2) => x;\n"
                                                 "var o = { m(p, { q } = {}) { return q; } };\n"
                                                 "function h(p, ...q) { return q; }\nfunction k(a, b) {}\n",
                                                 "p.js");
    for (const char* expected : {"function f(a, b, c) {\n  \"orvan:length 1\";", "function g(x) {\n  \"orvan:length 0\";",
                                 "function m(p, _temp) {\n    \"orvan:length 1\";"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected << " in\n" << out;
    size_t notes = 0;
    for (size_t at = out.find("orvan:length"); at != std::string::npos; at = out.find("orvan:length", at + 1)) ++notes;
    EXPECT_EQ(notes, 3u) << out;
}

// Babel's caches are emptied after every transform: a file transformed after
// others comes out as it does alone.
TEST(EngineHost, TransformOutputDoesNotDependOnEarlierFiles) {
    JSContext* ctx = sharedContext();
    ScopedEnv env("JSC_NO_BABEL", std::nullopt);
    const std::string first = "let [a, b] = f(); class C { m() { return () => this; } }\nexport { a };\n";
    const std::string second = "const g = (...xs) => xs.map(x => x * 2); for (const y of g(1)) h(y);\n";
    const std::string alone = babelTransformSource(ctx, first, "a.js");
    babelTransformSource(ctx, second, "b.js");
    EXPECT_EQ(babelTransformSource(ctx, first, "a.js"), alone);
}

TEST(EngineHost, InvalidUtf8NeverReachesTheEngine) {
    JSContext* ctx = sharedContext();
    auto errorId = [&](auto call) {
        try {
            call();
        } catch (const json::type_error& e) {
            return e.id;
        }
        return 0;
    };
    std::string bad = "var s = '\xFF';";
    {
        ScopedEnv env("JSC_NO_BABEL", std::nullopt);
        EXPECT_EQ(errorId([&] { babelTransformSource(ctx, bad, "p.js"); }), 316);
    }
    EXPECT_EQ(errorId([&] { ModuleResolver::parseScriptToAstJson(ctx, bad, "p.js"); }), 316);
}

// Long strings built with `s += x` are appended in place when nothing else holds
// them; the appends must never show through another holder, an atom, or a
// change between one-byte and two-byte text.
TEST(EngineHost, StringsBuiltPieceByPieceStayExact) {
    JSContext* ctx = sharedContext();
    const char* script = R"js((function () {
  var out = [];
  var s = "";
  for (var i = 0; i < 3000; i++) { var c = String.fromCharCode(97 + i % 26); s += c; }
  var alias = s;
  var t = s;
  t += "!";
  s += "?";
  out.push(s.length, alias.length, t.length, t.slice(-2), s.slice(-2), alias.slice(-1));
  var w = "";
  for (var j = 0; j < 2000; j++) { var d = j === 1000 ? "\u2014" : "x"; w += d; }
  var narrow = "";
  for (var n = 0; n < 600; n++) { var e = "ab"; narrow += e; }
  var wide = narrow;
  var dash = "\u2014";
  wide += dash;
  out.push(w.length, w.indexOf("\u2014"), w.charCodeAt(1999), w.slice(998, 1003), narrow.length, wide.length, wide.slice(-3));
  var names = Object.keys({ abcdefghijklmnop: 1 });
  var key = names[0];
  var copy = "";
  for (var m = 0; m < 300; m++) { var part = key; copy += part; }
  key += "!";
  var obj = {};
  obj[names[0]] = 2;
  out.push(names[0], key, copy.length, obj.abcdefghijklmnop, Object.keys(obj)[0]);
  return JSON.stringify(out);
})())js";
    JSValue result = JS_Eval(ctx, script, std::strlen(script), "<strings>", 0);
    ASSERT_FALSE(JS_IsException(result)) << takeExceptionText(ctx);
    EXPECT_EQ(takeStringValue(ctx, result),
              "[3001,3000,3001,\"j!\",\"j?\",\"j\",2000,1000,120,\"xx\xE2\x80\x94xx\",1200,1201,"
              "\"ab\xE2\x80\x94\",\"abcdefghijklmnop\",\"abcdefghijklmnop!\",4800,2,\"abcdefghijklmnop\"]");
}
