#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "frontend/module_resolver.h"
#include "test_support.h"

namespace {

Module exportsOf(const std::string& source) {
    Module m;
    m.id = "mod_t";
    m.ast = parseProgram(source);
    ModuleResolver::extractExports(m.ast, m);
    return m;
}

using Table = std::map<std::string, std::string>;

}  // namespace

TEST(Exports, WholeReplacementClearsTheTableButNotTheFunctions) {
    Module m = exportsOf("function f() {}\nfunction impl() {}\nmodule.exports.early = f;\n"
                         "module.exports = { f, g: impl };\n");
    EXPECT_EQ(m.exports, (Table{{"f", "mod_t_f"}, {"g", "mod_t_impl"}}));
    EXPECT_EQ(m.nativeFunctions, (std::set<std::string>{"mod_t_f", "mod_t_impl"}));

    EXPECT_EQ(exportsOf("function run() {}\nmodule.exports = run;\n").exports,
              (Table{{"default", "mod_t_run"}, {"run", "mod_t_run"}}));
    EXPECT_TRUE(exportsOf("module.exports.a = x;\nmodule.exports = {};\n").exports.empty());
    EXPECT_TRUE(exportsOf("function h() {}\nmodule.exports = function () {};\n").exports.empty());
    EXPECT_TRUE(exportsOf("module.exports = require('./x');\n").exports.empty());
}

TEST(Exports, SingleExportsAndTheirLocalNames) {
    EXPECT_EQ(exportsOf("module.exports.start = boot;\nmodule.exports['stop'] = 0;\n"
                        "module.exports.total += sum;\nmodule.exports.start = other;\n").exports,
              (Table{{"start", "mod_t_other"}, {"stop", "mod_t_stop"}, {"total", "mod_t_sum"}}));
    // exports.K, the computed module["exports"], assignments in blocks or functions: nothing.
    EXPECT_EQ(exportsOf("exports.a = a;\nmodule['exports'].b = b;\nmodule['exports'] = c;\n"
                          "{ module.exports.d = d; }\nfunction f() { module.exports.e = e; }\n"
                          "if (x) module.exports = g;\nmodule.exports[k + 1] = v;\n")
                  .exports,
              (Table{{"f", "mod_t_f"}}));
}

TEST(Exports, ObjectLiteralKeys) {
    Module m = exportsOf("module.exports = { 'quoted': a, 7: skipped, answer: 42, method() {},"
                         " [computed]: c, shorthand };\n");
    EXPECT_EQ(m.exports, (Table{{"quoted", "mod_t_a"},
                                {"answer", "mod_t_answer"},
                                {"method", "mod_t_method"},
                                {"computed", "mod_t_c"},
                                {"shorthand", "mod_t_shorthand"}}));

    // Spread elements are skipped (the parser script predates object spread, so built by hand).
    Module spread;
    spread.id = "mod_s";
    ModuleResolver::applyRhsExports(Parser::parseNode(nlohmann::json::parse(R"({"type":"ObjectExpression",
        "properties":[{"type":"SpreadElement","argument":{"type":"Identifier","name":"r"}},
                      {"type":"Property","key":{"type":"Identifier","name":"k"},"value":{"type":"Identifier","name":""}}]})")),
                                    spread);
    EXPECT_EQ(spread.exports, (Table{{"k", "mod_s_k"}}));
}

TEST(Exports, FunctionsWithoutExportStatements) {
    Module m = exportsOf("function a() {}\nvar b = function () {};\n(function c() {})();\n");
    EXPECT_EQ(m.exports, (Table{{"a", "mod_t_a"}}));
    EXPECT_EQ(m.nativeFunctions, (std::set<std::string>{"mod_t_a"}));
    EXPECT_TRUE(exportsOf("").exports.empty());
}

