#include <gtest/gtest.h>

#include <string>

#include "frontend/module_resolver.h"

TEST(ResolvePath, KeepsEverySegmentAndAppendsJs) {
    EXPECT_EQ(ModuleResolver::resolvePath("/p/main.js", "./util"), "/p/./util.js");
    EXPECT_EQ(ModuleResolver::resolvePath("/p/./lib/a.js", "../b.js"), "/p/./lib/../b.js");
    EXPECT_EQ(ModuleResolver::resolvePath("main.js", "./x"), "././x.js");
    EXPECT_EQ(ModuleResolver::resolvePath("/p/a.js", "./data.json"), "/p/./data.json.js");
    EXPECT_EQ(ModuleResolver::resolvePath("/p/a.js", "./A.JS"), "/p/./A.JS.js");
    EXPECT_EQ(ModuleResolver::resolvePath("/a.js", "./b"), "/./b.js");
    EXPECT_EQ(ModuleResolver::resolvePath("/p/a.js", "./.js"), "/p/./.js");
    EXPECT_EQ(ModuleResolver::resolvePath("/p/./lib/", "./x"), "/p/./lib/./x.js");
}

TEST(Builtins, ExactNamesOnly) {
    int count = 0;
    for (const char* const* b = ModuleResolver::builtins; *b; ++b) ++count;
    EXPECT_EQ(count, 17);
    EXPECT_STREQ(ModuleResolver::builtins[0], "fs");
    EXPECT_STREQ(ModuleResolver::builtins[10], "child_process");
    EXPECT_STREQ(ModuleResolver::builtins[16], "tls");
    for (const char* name : {"fs", "electron", "child_process", "tls", "https"})
        EXPECT_TRUE(ModuleResolver::isBuiltin(name)) << name;
    for (const char* name : {"node:fs", "fs/promises", "FS", "", "f", "fss", "lodash"})
        EXPECT_FALSE(ModuleResolver::isBuiltin(name)) << name;
}
