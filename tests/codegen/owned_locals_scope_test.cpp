#include <gtest/gtest.h>

#include <set>
#include <string>

#include "codegen/cemitter.h"

using Names = std::set<std::string>;

TEST(OwnedLocalsScope, BlocksTakeOutWhatTheyAddedAndFunctionsPutBackWhatTheyFound) {
    Names locals{"b", "d", "f"};
    {
        OwnedLocalsScope block(locals);
        locals.insert({"a", "c", "e", "g", "d"});  // around, between and after the names in force
        {
            OwnedLocalsScope function(locals, {"p"});
            EXPECT_EQ(locals, (Names{"p"}));
            locals.insert("q");
            {
                OwnedLocalsScope inner(locals);
                locals.insert("a");
            }
            EXPECT_EQ(locals, (Names{"p", "q"}));
        }
        EXPECT_EQ(locals, (Names{"a", "b", "c", "d", "e", "f", "g"}));
        {
            OwnedLocalsScope unchanged(locals);
        }
        EXPECT_EQ(locals, (Names{"a", "b", "c", "d", "e", "f", "g"}));
    }
    EXPECT_EQ(locals, (Names{"b", "d", "f"}));

    Names empty;
    {
        OwnedLocalsScope block(empty);
        empty.insert("x");
    }
    EXPECT_TRUE(empty.empty());
}
