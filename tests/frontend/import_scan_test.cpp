#include <gtest/gtest.h>

#include <string>

#include "frontend/module_resolver.h"

namespace {

bool refused(const std::string& text) {
    try {
        ModuleResolver::roughValidateDynamicImportSource(text, "/p/x.js");
    } catch (const std::runtime_error&) {
        return true;
    }
    return false;
}

}  // namespace

TEST(ImportScan, QuotedArgumentPassesComputedIsRefused) {
    EXPECT_FALSE(refused("import('./a.js')"));
    EXPECT_FALSE(refused("import(\"./a.js\")"));
    EXPECT_FALSE(refused("import(`./a.js`)"));
    EXPECT_FALSE(refused("import( \t\n'./a.js')"));
    EXPECT_TRUE(refused("import(name)"));
    EXPECT_TRUE(refused("import(   \n"));
    EXPECT_TRUE(refused("import("));
    EXPECT_TRUE(refused("x = import \n\t (name)"));
    EXPECT_FALSE(refused(""));
}

TEST(ImportScan, OnlyTheWordFollowedByParenCounts) {
    EXPECT_FALSE(refused("import.meta.url"));
    EXPECT_FALSE(refused("import x from 'y'"));
    EXPECT_FALSE(refused("import"));  // no byte after the word
    EXPECT_FALSE(refused("import "));
    EXPECT_TRUE(refused("loader.import(x)"));
    EXPECT_FALSE(refused("reimport(x)"));
    EXPECT_FALSE(refused("_import(x)"));
    EXPECT_FALSE(refused("$import(x)"));
    EXPECT_FALSE(refused("imports(x)"));
    EXPECT_FALSE(refused("import9(x)"));
    EXPECT_TRUE(refused("\xC3\xA9import(x)"));  // bytes above 0x7F are no identifier bytes
}

TEST(ImportScan, CommentsAndLiteralsAreSkipped) {
    EXPECT_FALSE(refused("// import(x)\nok()"));
    EXPECT_TRUE(refused("// note\nimport(x)"));
    EXPECT_FALSE(refused("/* import(x) */"));
    EXPECT_TRUE(refused("/* a */ import(x)"));
    EXPECT_FALSE(refused("'import(x)'"));
    EXPECT_FALSE(refused("\"it's import(x)\""));
    EXPECT_FALSE(refused("`${import(x)}`"));
    EXPECT_FALSE(refused("'a\\'import(x)'"));         // escaped quote stays inside
    EXPECT_TRUE(refused("'a\\\\' + import(x)"));      // escaped backslash closes the literal
    EXPECT_FALSE(refused("'multi\nline import(x)'"));
    EXPECT_TRUE(refused("/import(x)/.test(s)"));      // regular expressions are not recognised
    EXPECT_TRUE(refused("//\nimport(x)"));            // the byte after // is a line feed
    EXPECT_FALSE(refused("//\rimport(x)"));
    EXPECT_FALSE(refused("/*/ import(x)"));           // "/*/" does not close; unterminated
    EXPECT_FALSE(refused("/*/ import(x) */"));
}

TEST(ImportScan, UnterminatedCommentOrLiteralEndsTheScan) {
    EXPECT_FALSE(refused("/* import(x)"));
    EXPECT_FALSE(refused("'import(x)"));
    EXPECT_FALSE(refused("`"));
    EXPECT_FALSE(refused("//"));
    EXPECT_FALSE(refused("/"));
}

TEST(ImportScan, MessageNamesThePath) {
    try {
        ModuleResolver::roughValidateDynamicImportSource("import(x)", "/p/./lib/../x.js");
        FAIL() << "not refused";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "\xE2\x9D\x8C Orvan Build Error: Dynamic Execution\n"
                  "You used a dynamic execution command in an AOT file (/p/./lib/../x.js). "
                  "Ahead-Of-Time compilers cannot guess what code will run at runtime.\n"
                  "The Fix: Move this logic to the QuickJS island, or rewrite it using static logic.");
    }
}
