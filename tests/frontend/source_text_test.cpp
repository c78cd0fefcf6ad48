#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "frontend/lone_surrogates.h"
#include "frontend/source_text.h"

TEST(SourceText, FindsTheFirstByteThatIsNotUtf8) {
    EXPECT_EQ(firstInvalidUtf8("plain \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), std::string::npos);
    EXPECT_EQ(firstInvalidUtf8("ab\xFF"), 2u);
    EXPECT_EQ(firstInvalidUtf8("a\xC0\xAF"), 1u);          // overlong slash
    EXPECT_EQ(firstInvalidUtf8("a\xE0\x80\xAF"), 1u);      // overlong, three bytes
    EXPECT_EQ(firstInvalidUtf8("\xED\xA0\x80"), 0u);       // a surrogate half
    EXPECT_EQ(firstInvalidUtf8("\xF4\x90\x80\x80"), 0u);   // beyond U+10FFFF
    EXPECT_EQ(firstInvalidUtf8("ok\xE2\x82"), 2u);         // cut short at the end
    EXPECT_EQ(firstInvalidUtf8("\xC3\x28"), 0u);           // continuation missing
}

TEST(SourceText, BadUtf8NamesTheFileLineAndColumn) {
    try {
        prepareSourceText("var a;\nvar \xC3\xA9 = \"\xFF\";\n", "/p/app.js");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "orvan: /p/app.js: invalid UTF-8 at line 2, column 10 (byte offset 17); save the file as UTF-8");
    }
}

TEST(SourceText, HashbangBecomesACommentOfTheSameLength) {
    EXPECT_EQ(prepareSourceText("#!/usr/bin/env node\nx();\n", "a.js"), "///usr/bin/env node\nx();\n");
    EXPECT_EQ(prepareSourceText("x();\n#!not first\n", "a.js"), "x();\n#!not first\n");
    EXPECT_EQ(prepareSourceText("", "a.js"), "");
}

TEST(LoneSurrogates, SurviveTheJsonReaderAsOneUnitEach) {
    bool sheltered = false;
    const std::string text = R"({"value":"a\ud800b\udc00","pair":"\ud83d\ude00","raw":"\\ud800"})";
    nlohmann::json v = nlohmann::json::parse(shelterLoneSurrogates(text, &sheltered));
    EXPECT_TRUE(sheltered);
    restoreLoneSurrogates(v);
    EXPECT_EQ(v["value"].get<std::string>(), "a\xED\xA0\x80" "b\xED\xB0\x80");
    EXPECT_EQ(v["pair"].get<std::string>(), "\xF0\x9F\x98\x80");
    EXPECT_EQ(v["raw"].get<std::string>(), "\\ud800");  // an escaped backslash, not an escape

    const std::string plain = R"({"v":"\ud83d\ude00 \\u1234"})";
    EXPECT_EQ(shelterLoneSurrogates(plain, &sheltered), plain);
    EXPECT_FALSE(sheltered);
}
