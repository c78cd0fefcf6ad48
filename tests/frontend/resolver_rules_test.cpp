#include <gtest/gtest.h>

#include <string>

#include "frontend/builtin_modules.h"
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
    const auto& modules = builtinModules();
    EXPECT_EQ(modules.size(), 17u);
    EXPECT_STREQ(modules[0].name, "fs");
    EXPECT_STREQ(modules[10].name, "child_process");
    EXPECT_STREQ(modules[16].name, "tls");
    for (const char* name : {"fs", "electron", "child_process", "tls", "https"})
        EXPECT_NE(findBuiltinModule(name), nullptr) << name;
    for (const char* name : {"node:fs", "fs/promises", "FS", "", "f", "fss", "lodash"})
        EXPECT_EQ(findBuiltinModule(name), nullptr) << name;
}
