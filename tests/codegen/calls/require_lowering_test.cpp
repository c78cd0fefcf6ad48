#include <gtest/gtest.h>

#include <sstream>

#include "calls_fixture.h"

namespace {

// The declarator of the entry's first top-level statement, bound as the entry preparation binds it.
void bindFirstDecl(ProgramEmitter& p) {
    p.em.clearModuleScopes();
    p.em.currentModulePath = p.list.back().path;
    const ASTNode& decl = p.list.back().ast.children.at(0).children.at(0);
    p.em.resolveRequireDecl(decl, p.list.back().path);
}

std::string bareValue(CEmitter& em, const std::string& spec, std::string* warning) {
    std::ostringstream os;
    *warning = stderrOf([&] { em.emitBareRequireExpr(spec, os); });
    return os.str();
}

const char* const kMath = "function add(a, b) { return a + b; }\nfunction sub(a, b) { return a - b; }\n"
                          "module.exports = { add: add, sub: sub };\n";

}  // namespace

TEST(RequireDecl, RelativeDestructuringBindsExportedSymbols) {
    ProgramEmitter p(Files{{"main.js", "const { add, sub: minus } = require('./math');\n"}, {"math.js", kMath}});
    bindFirstDecl(p);
    EXPECT_EQ(p.em.scope, (std::map<std::string, std::string>{{"add", "mod_math_add"}, {"minus", "mod_math_sub"}}));

    ProgramEmitter q(Files{{"main.js", "const { nope } = require('./math');\n"}, {"math.js", kMath}});
    bindFirstDecl(q);
    EXPECT_TRUE(q.em.scope.empty());
}

TEST(RequireDecl, PlainNameBindsOnlyAWholeExportedFunction) {
    ProgramEmitter fn(Files{{"main.js", "const f = require('./f');\n"}, {"f.js", "function f() {}\nmodule.exports = f;\n"}});
    bindFirstDecl(fn);
    EXPECT_EQ(fn.em.scope.at("f"), "mod_f_f");

    ProgramEmitter obj(Files{{"main.js", "const f = require('./f');\n"}, {"f.js", "function f() {}\nmodule.exports = { f: f };\n"}});
    bindFirstDecl(obj);
    EXPECT_TRUE(obj.em.scope.empty());
}

TEST(RequireDecl, BareModulesAreRecordedAndEventLoopModulesSetFlags) {
    ProgramEmitter fs(Files{{"main.js", "const fs = require('fs');\nconst { readFileSync, join: j } = require('fs');\n"}});
    fs.em.clearModuleScopes();
    for (const ASTNode& stmt : fs.list.back().ast.children)
        fs.em.resolveRequireDecl(stmt.children.at(0), fs.list.back().path);
    EXPECT_EQ(fs.em.bareRequireAliases, (std::map<std::string, std::string>{{"fs", "fs"}}));
    EXPECT_EQ(fs.em.bareRequireDestructured, (std::set<std::string>{"j", "readFileSync"}));
    EXPECT_FALSE(fs.em.needUv);

    ProgramEmitter http(Files{{"main.js", "const server = require('http');\n"}});
    bindFirstDecl(http);
    EXPECT_TRUE(http.em.needUv && http.em.needNodeIo);

    ProgramEmitter util(Files{{"main.js", "const lib = require('util');\n"}});
    bindFirstDecl(util);
    EXPECT_FALSE(util.em.needUv || util.em.needNodeIo);

    ProgramEmitter lodash(Files{{"main.js", "const _ = require('lodash');\n"}});
    bindFirstDecl(lodash);
    EXPECT_EQ(lodash.em.bareRequireAliases.at("_"), "lodash");

    ProgramEmitter empty(Files{{"main.js", "const x = require();\n"}});
    bindFirstDecl(empty);
    EXPECT_EQ(empty.em.bareRequireAliases.at("x"), "");

    ProgramEmitter none(Files{{"main.js", "let x;\nconst y = load('./a');\n"}});
    none.em.clearModuleScopes();
    for (const ASTNode& stmt : none.list.back().ast.children)
        none.em.resolveRequireDecl(stmt.children.at(0), none.list.back().path);
    EXPECT_TRUE(none.em.scope.empty() && none.em.bareRequireAliases.empty() &&
                none.em.bareRequireDestructured.empty());
}

TEST(BareRequireValue, BuiltinsLoadAndOtherPackagesGetAMarkerAndAWarning) {
    CEmitter em;
    std::string warning;
    EXPECT_EQ(bareValue(em, "fs", &warning), "js_node_require(JS_STR(\"fs\"))");
    EXPECT_EQ(warning, "");
    EXPECT_EQ(bareValue(em, "lodash", &warning), "js_require_unsupported_lodash() /* unsupported package: lodash */");
    EXPECT_EQ(warning, "orvan: warning: require('lodash') is not a known Node.js builtin and was not resolved to a "
                       "file \xE2\x80\x94 emitting undefined.\n");
    EXPECT_EQ(bareValue(em, "node:fs", &warning), "js_require_unsupported_node_fs() /* unsupported package: node:fs */");
    EXPECT_EQ(bareValue(em, "left-pad", &warning),
              "js_require_unsupported_left_pad() /* unsupported package: left-pad */");
    EXPECT_EQ(bareValue(em, "", &warning), "js_require_unsupported_() /* unsupported package:  */");
    EXPECT_EQ(warning, "orvan: warning: require('') is not a known Node.js builtin and was not resolved to a file "
                       "\xE2\x80\x94 emitting undefined.\n");
    EXPECT_EQ(bareValue(em, "a*/b*/", &warning), "js_require_unsupported_a__b__() /* unsupported package: a*\\/b*\\/ */");
    // Printed every time, strict mode or not.
    setenv("ORVAN_STRICT_UNSUPPORTED", "1", 1);
    EXPECT_NE(bareValue(em, "lodash", &warning), "");
    unsetenv("ORVAN_STRICT_UNSUPPORTED");
    EXPECT_NE(warning, "");
}

TEST(RequirePredicates, SpecifiersAndArguments) {
    for (const char* spec : {"", ".", "..", "/x", "x/./y", ".x"}) EXPECT_FALSE(CEmitter::isRelativeRequire(spec)) << spec;
    for (const char* spec : {"./", "../", "../../z", "./a"}) EXPECT_TRUE(CEmitter::isRelativeRequire(spec)) << spec;

    auto arg = [](const std::string& call) { return CEmitter::requireArg(parseProgram(call).children[0].children[0]); };
    EXPECT_EQ(arg("require('./a')"), "./a");
    EXPECT_EQ(arg("require(2)"), "2");
    EXPECT_EQ(arg("require(2.0)"), "2");
    EXPECT_EQ(arg("require(1.5)"), "1.5");
    EXPECT_EQ(arg("require(true)"), "true");
    EXPECT_EQ(arg("require(null)"), "");
    EXPECT_EQ(arg("require(x)"), "");
    EXPECT_EQ(arg("require()"), "");

    auto first = [](const std::string& src) { return parseProgram(src).children[0].children[0]; };
    EXPECT_TRUE(CEmitter::isRequireCall(first("require()")));
    EXPECT_FALSE(CEmitter::isRequireCall(first("load('./a')")));
    EXPECT_FALSE(CEmitter::isRequireCall(first("a.require('./a')")));
    const ASTNode assign = first("module.exports.start = boot");
    EXPECT_TRUE(CEmitter::isModuleExportsDotProp(assign.children[0]));
    EXPECT_TRUE(CEmitter::isModuleExprProp(assign.children[0].children[0], "module", "exports"));
    EXPECT_FALSE(CEmitter::isModuleExportsDotProp(assign.children[0].children[0]));
    EXPECT_FALSE(CEmitter::isModuleExprProp(first("module['exports']"), "module", "exports"));
}

TEST(FindModule, ExactPathFirstThenTheCanonicalForm) {
    ProgramEmitter p(Files{{"main.js", "require('./lib/a');\n"}, {"lib/a.js", "module.exports = 1;\n"}});
    const std::string path = p.list.front().path;  // <dir>/./lib/a.js
    EXPECT_EQ(p.em.findModule(path), &p.list.front());
    const std::string dir = path.substr(0, path.find("/./lib/a.js"));
    EXPECT_EQ(p.em.findModule(dir + "/lib/a.js"), &p.list.front());
    EXPECT_EQ(p.em.findModule(dir + "/lib/../lib/./a.js"), &p.list.front());
    EXPECT_EQ(p.em.findModule(dir + "/lib/b.js"), nullptr);
    CEmitter outside;
    EXPECT_EQ(outside.findModule(path), nullptr);
}

TEST(ModuleExportsObject, HoldsWhatNodesModuleExportsWould) {
    ProgramEmitter p(Files{{"main.js", "require('./props');\nrequire('./whole');\nrequire('./literal');\nrequire('./none');\n"},
                      {"props.js", "function f(x) { return x; }\nvar n = 2;\nmodule.exports.f = f;\n"
                                   "module.exports.count = n;\nmodule.exports['key'] = 'v';\n"},
                      {"whole.js", "function g() {}\nmodule.exports = g;\nmodule.exports.extra = 1;\n"},
                      {"literal.js", "module.exports = { a: 1 };\nmodule.exports.b = 2;\n"},
                      {"none.js", "function h() {}\n"}});
    auto text = [&](const std::string& base) {
        std::ostringstream os;
        p.em.emitModuleExportsObject(p.module(base), os);
        return os.str();
    };
    EXPECT_EQ(text("props"),
              "    mod_props_exports = js_obj_new();\n"
              "    js_obj_set(&mod_props_exports, \"f\", js_clone_value(mod_props_f));\n"
              "    js_obj_set(&mod_props_exports, \"count\", js_clone_value(mod_props_n));\n"
              "    js_obj_set(&mod_props_exports, \"key\", js_clone_value(mod_props_key));\n");
    EXPECT_EQ(text("whole"), "    mod_whole_exports = js_clone_value(mod_whole_g);\n"
                             "    js_obj_set(&mod_whole_exports, \"extra\", js_clone_value(mod_whole_extra));\n");
    EXPECT_EQ(text("literal"), "    js_obj_set(&mod_literal_exports, \"b\", js_clone_value(mod_literal_b));\n");
    EXPECT_EQ(text("none"), "    mod_none_exports = js_obj_new();\n");
}

TEST(ModuleExportsObject, AReassignedFunctionIsExportedWithTheValueItsNameHolds) {
    ProgramEmitter p(Files{{"main.js", "require('./re');\nrequire('./again');\n"},
                      {"re.js", "function t() { return 1; }\nt = function () { return 2; };\nmodule.exports.t = t;\n"},
                      {"again.js", "function u() { u = null; }\nmodule.exports = u;\n"}});
    p.em.reassignedFunctions = {"t", "u"};
    auto text = [&](const std::string& base) {
        std::ostringstream os;
        p.em.emitModuleExportsObject(p.module(base), os);
        return os.str();
    };
    EXPECT_EQ(text("re"), "    mod_re_exports = js_obj_new();\n"
                          "    js_obj_set(&mod_re_exports, \"t\", js_clone_value(__jsc_fn_slot<mod_re_t>()));\n");
    EXPECT_EQ(text("again"), "    mod_again_exports = js_clone_value(__jsc_fn_slot<mod_again_u>());\n");
}
