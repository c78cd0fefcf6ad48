#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/aot_checks.h"
#include "test_support.h"

namespace {

Module moduleOf(const std::string& path, const std::string& source) {
    Module m;
    m.path = path;
    m.ast = parseProgram(source);
    return m;
}

std::string hybridMessage(const std::vector<Module>& modules) {
    return thrownMessage([&] { ModuleResolver::validateHybridAotGraph(modules); });
}

std::string npmMessage(const std::string& specifier, const std::string& path) {
    return "\xE2\x9D\x8C Orvan Build Error: NPM Contamination\n"
           "You attempted to import \"" + specifier + "\" inside an AOT file (" + path + ").\n"
           "The Fix: The AOT core only supports relative local files (e.g., ./math.js). "
           "Move all NPM dependencies to your src/island.js file.";
}

const std::string kDynamicHead = "\xE2\x9D\x8C Orvan Build Error: Dynamic Execution\n";

bool refusedAsDynamic(const std::string& source) {
    return hybridMessage({moduleOf("/p/m.js", source)}).rfind(kDynamicHead, 0) == 0;
}

}  // namespace

TEST(HybridChecks, OnlyRelativeFilesAndBuiltinsMayBeRequired) {
    EXPECT_EQ(hybridMessage({}), "");
    EXPECT_EQ(hybridMessage({moduleOf("/p/ok.js", "require('./a'); require('../b.js'); require('fs');"
                                                  "require('electron'); require(name); require('x' + y);")}),
              "");
    for (const char* specifier : {"lodash", "node:fs", "fs/promises", ".", "..", "FS"}) {
        std::string source = std::string("var m = require('") + specifier + "');";
        EXPECT_EQ(hybridMessage({moduleOf("/p/./x.js", source)}), npmMessage(specifier, "/p/./x.js")) << specifier;
    }
}

TEST(HybridChecks, DynamicExecutionInTheTree) {
    EXPECT_TRUE(refusedAsDynamic("eval('1');"));
    EXPECT_TRUE(refusedAsDynamic("function f() { return window.eval(code); }"));
    EXPECT_TRUE(refusedAsDynamic("obj[eval](code);"));
    EXPECT_TRUE(refusedAsDynamic("if (a) { g(h(eval)(1), eval(2)); }"));
    EXPECT_FALSE(refusedAsDynamic("obj['eval'](code);"));
    EXPECT_FALSE(refusedAsDynamic("var f = Function('return 1'); new Function('x');"));
    EXPECT_FALSE(refusedAsDynamic("var e = eval; e.evaluate(1);"));
    EXPECT_EQ(hybridMessage({moduleOf("/p/./lib/../e.js", "eval(s);")}),
              kDynamicHead +
                  "You used a dynamic execution command in an AOT file (/p/./lib/../e.js). Ahead-Of-Time "
                  "compilers cannot guess what code will run at runtime.\n"
                  "The Fix: Move this logic to the QuickJS island, or rewrite it using static logic.");
}

TEST(HybridChecks, ImportExpressionsNeedAStringLiteral) {
    auto scan = [](const char* json) {
        return thrownMessage([&] {
            ModuleResolver::scanHybridAotDynamicExecution(Parser::parseNode(nlohmann::json::parse(json)), "/p/i.js");
        });
    };
    EXPECT_EQ(scan(R"({"type":"ImportExpression","source":{"type":"Literal","value":"./a.js"}})"), "");
    EXPECT_NE(scan(R"({"type":"ImportExpression","source":{"type":"Identifier","name":"x"}})"), "");
    EXPECT_NE(scan(R"({"type":"ImportExpression","source":{"type":"Literal","value":3}})"), "");
    EXPECT_NE(scan(R"({"type":"ImportExpression"})"), "");
    EXPECT_NE(scan(R"({"type":"ExpressionStatement","expression":{"type":"ImportExpression",
        "source":{"type":"TemplateLiteral"}}})"),
              "");
}

TEST(HybridChecks, FirstOffenderInListOrderAndNpmBeforeDynamic) {
    std::vector<Module> modules = {moduleOf("/p/./dep.js", "eval(x);"),
                                   moduleOf("/p/main.js", "require('left-pad');")};
    EXPECT_EQ(hybridMessage(modules).rfind(kDynamicHead, 0), 0u);
    EXPECT_NE(hybridMessage(modules).find("(/p/./dep.js)"), std::string::npos);

    EXPECT_EQ(hybridMessage({moduleOf("/p/both.js", "eval(x);\nrequire('./ok');\nrequire('axios');")}),
              npmMessage("axios", "/p/both.js"));
}
