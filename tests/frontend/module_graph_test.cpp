#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/module_resolver.h"
#include "test_support.h"

namespace {

std::vector<Module> resolve(const std::string& entry) { return ModuleResolver::resolve(entry, sharedContext()); }

std::vector<std::string> paths(const std::vector<Module>& modules) {
    std::vector<std::string> out;
    for (const Module& m : modules) out.push_back(m.path);
    return out;
}

std::vector<std::string> ids(const std::vector<Module>& modules) {
    std::vector<std::string> out;
    for (const Module& m : modules) out.push_back(m.id);
    return out;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(ModuleGraph, DiamondIsListedInPostOrderWithPreOrderIds) {
    TempDir dir;
    std::string main = dir.write("main.js", "var a = require('./a');\nvar b = require('./b');\n");
    dir.write("a.js", "module.exports = { d: require('./d') };\n");
    dir.write("b.js", "var d = require('./d');\nfunction useD() { return d; }\n");
    dir.write("d.js", "function value() { return 4; }\nmodule.exports = value;\n");
    const std::string p = dir.str();

    std::vector<Module> modules = resolve(main);
    EXPECT_EQ(paths(modules), (Strings{p + "/././d.js", p + "/./a.js", p + "/./b.js", main}));
    EXPECT_EQ(ids(modules), (Strings{"mod_d", "mod_a", "mod_b", "mod_main"}));
    EXPECT_EQ(modules[0].ast.type, "Program");
    EXPECT_EQ(modules[0].exports.at("default"), "mod_d_value");
    EXPECT_EQ(modules[2].nativeFunctions, (std::set<std::string>{"mod_b_useD"}));
}

TEST(ModuleGraph, WhichRequiresAddModules) {
    // Without the transpiler, so the template literal stays a template.
    ScopedEnv babelOff("JSC_NO_BABEL", std::string("1"));
    TempDir dir;
    std::string main = dir.write("main.js",
                                 "var a = require('./a'), again = require('./a');\n"
                                 "var fs = require('fs'), _ = require('lodash');\n"
                                 "var here = require('.'), up = require('..');\n"
                                 "var name = './b'; require(name); require('./' + name); require(`./b`);\n"
                                 "function never() { return require('./lib', 'ignored'); }\n");
    dir.write("a.js", "");
    dir.write("lib.js", "exports.x = 1;\n");
    std::vector<Module> modules = resolve(main);
    EXPECT_EQ(paths(modules), (Strings{dir.str() + "/./a.js", dir.str() + "/./lib.js", main}));
    EXPECT_TRUE(modules[0].exports.empty());
    EXPECT_TRUE(modules[1].exports.empty());
}

TEST(ModuleGraph, MissingFilesNameThePathAsVisited) {
    TempDir dir;
    std::string main = dir.write("main.js", "var data = require('./data.json');\n");
    EXPECT_EQ(thrownMessage([&] { resolve(main); }), "orvan: cannot open: " + dir.str() + "/./data.json.js");
    EXPECT_EQ(thrownMessage([&] { resolve(dir.str() + "/nope.js"); }),
              "orvan: cannot open: " + dir.str() + "/nope.js");
}

TEST(ModuleGraph, CyclesEndAndSecondSpellingsAreTheSameModule) {
    TempDir dir;
    std::string a = dir.write("a.js", "var b = require('./b');\nmodule.exports.fromA = 1;\n");
    dir.write("b.js", "var a = require('./a.js');\nmodule.exports.fromB = 2;\n");
    std::vector<Module> cycle = resolve(a);
    EXPECT_EQ(paths(cycle), (Strings{dir.str() + "/./b.js", a}));
    EXPECT_EQ(ids(cycle), (Strings{"mod_b", "mod_a"}));

    std::string main = dir.write("main.js",
                                 "require('./lib/x');\nrequire('./lib/../lib/x');\nrequire('./lib/y');\n");
    dir.write("lib/x.js", "require('./y');\n");
    dir.write("lib/y.js", "require('../main');\nrequire('../lib/x.js');\n");
    std::vector<Module> modules = resolve(main);
    const std::string p = dir.str();
    EXPECT_EQ(paths(modules), (Strings{p + "/./lib/./y.js", p + "/./lib/x.js", main}));
    // A require written under another spelling still finds its module by the canonical form.
    std::string other = ModuleResolver::resolvePath(main, "./lib/../lib/x");
    EXPECT_NE(other, modules[1].path);
    EXPECT_EQ(ModuleResolver::canonicalPath(other), ModuleResolver::canonicalPath(modules[1].path));
}

TEST(ModuleGraph, IdsStayUnique) {
    TempDir dir;
    dir.write("a-b.js", "");
    dir.write("a_b.js", "");
    dir.write("1.js", "");
    dir.write("x/math.js", "");
    dir.write("y/math.js", "");
    dir.write("math_1.js", "");
    dir.write("v.1.2.js", "");
    std::string first = dir.write("first.js",
                                  "require('./a-b'); require('./a_b'); require('./1'); require('./v.1.2');\n"
                                  "require('./x/math'); require('./y/math'); require('./math_1');\n");
    EXPECT_EQ(ids(resolve(first)),
              (Strings{"mod_a_b", "mod_a_b_1", "mod_1", "mod_v_1_2", "mod_math", "mod_math_1", "mod_math_1_1",
                       "mod_first"}));
    std::string second = dir.write("second.js", "require('./math_1'); require('./x/math'); require('./y/math');\n");
    EXPECT_EQ(ids(resolve(second)), (Strings{"mod_math_1", "mod_math", "mod_math_2", "mod_second"}));
}

TEST(ModuleGraph, FailuresOfTheSteps) {
    TempDir dir;
    std::string dynamic = dir.write("dyn.js", "require('./lib');\n");
    dir.write("lib.js", "// loads later\nvar m = import(name);\n");
    std::string message = thrownMessage([&] { resolve(dynamic); });
    EXPECT_EQ(message.rfind("\xE2\x9D\x8C Orvan Build Error: Dynamic Execution\n", 0), 0u) << message;
    EXPECT_NE(message.find("AOT file (" + dir.str() + "/./lib.js)."), std::string::npos) << message;

    std::string broken = dir.write("broken.js", "var = ;\n");
    {
        ScopedEnv env("JSC_NO_BABEL", std::nullopt);
        message = thrownMessage([&] { resolve(broken); });
        EXPECT_EQ(message.rfind("orvan: Babel transform failed for " + broken + ": ", 0), 0u) << message;
    }
    {
        ScopedEnv env("JSC_NO_BABEL", std::string("1"));
        message = thrownMessage([&] { resolve(broken); });
        EXPECT_EQ(message.rfind("orvan: parse error in " + broken + ": ", 0), 0u) << message;
    }
}

TEST(ModuleGraph, DeepNestingEndsInAnErrorMessage) {
    TempDir dir;
    const std::size_t n = 10000;
    const std::vector<std::string> sources = {
        "var x = " + std::string(n, '(') + "1" + std::string(n, ')') + ";\n",
        "var x = " + std::string(n, '[') + std::string(n, ']') + ";\n",
        std::string(n, '{') + std::string(n, '}') + "\n",
        "var x = 1" + [] {
            std::string chain;
            for (int i = 0; i < 1500; ++i) chain += " + 1";
            return chain;
        }() + ";\n",
    };
    for (const char* babel : {"0", "1"}) {
        ScopedEnv env("JSC_NO_BABEL", std::string(babel));
        for (std::size_t i = 0; i < sources.size(); ++i) {
            std::string file = dir.write("deep" + std::to_string(i) + ".js", sources[i]);
            std::string message = thrownMessage([&] { resolve(file); });
            EXPECT_NE(message.find(file), std::string::npos) << "JSC_NO_BABEL=" << babel << ": " << message;
        }
    }
    // The engine is still usable afterwards.
    EXPECT_EQ(resolve(dir.write("fine.js", "var ok = [[[1]]];\n")).size(), 1u);
}
