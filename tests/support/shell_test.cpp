#include "support/shell.h"

#include <gtest/gtest.h>

#include <string>

TEST(ShellQuote, QuotesEveryCharacterLiterally) {
    EXPECT_EQ(shellQuote(""), "''");
    EXPECT_EQ(shellQuote("it's"), "'it'\\''s'");
    EXPECT_EQ(shellQuote("$(x) `y` \"z\" \\"), "'$(x) `y` \"z\" \\'");
}

// Whatever a path holds reaches the command as the same bytes.
TEST(ShellQuote, WordsReachTheCommandUnchanged) {
    for (const std::string word : {"plain", "a\"b$c`d\\e", "it's", "two  blanks", "*?[a]", "-n", "line\nfeed", ""})
        EXPECT_EQ(readPipe("printf '%s|' " + shellQuote(word)), word + "|") << word;
}

TEST(ReadPipe, DropsTrailingLineEnds) {
    EXPECT_EQ(readPipe("printf 'a b\\r\\n\\n'"), "a b");
    EXPECT_EQ(readPipe("printf 'x\\ny'"), "x\ny");
    EXPECT_EQ(readPipe("/nonexistent/orvan-no-such-command 2>/dev/null"), "");
}

TEST(ShellStatus, OnlyANormalExitWithZeroSucceeds) {
    EXPECT_TRUE(runShell("true"));
    EXPECT_FALSE(runShell("exit 3"));
    EXPECT_FALSE(runShell("kill -TERM $$"));
    EXPECT_FALSE(runShell("/nonexistent/orvan-no-such-command 2>/dev/null"));
    EXPECT_FALSE(shellSucceeded(-1));
}
