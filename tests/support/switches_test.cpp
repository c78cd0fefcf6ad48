#include "support/switches.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

TEST(SwitchIsOn, OnlyUnsetEmptyAndZeroMeanOff) {
    const char* name = "ORVAN_TEST_SWITCH";
    {
        ScopedEnv unset(name, std::nullopt);
        EXPECT_FALSE(switchIsOn(name));
    }
    for (const char* off : {"", "0"}) {
        ScopedEnv env(name, std::string(off));
        EXPECT_FALSE(switchIsOn(name)) << '"' << off << '"';
    }
    for (const char* on : {"1", "yes", "00", "false", " "}) {
        ScopedEnv env(name, std::string(on));
        EXPECT_TRUE(switchIsOn(name)) << '"' << on << '"';
    }
}
