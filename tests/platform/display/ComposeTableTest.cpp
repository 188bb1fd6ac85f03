// Whether start-up reads the compose table: never, unless the user named one,
// and only while the display opens.
#include "platform/display/ComposeTable.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ComposeTable, IsEmptyWhileTheDisplayOpensUnlessTheUserNamedOne)
{
    unsetenv("XCOMPOSEFILE");
    {
        platform::WithoutComposeTable without;
        EXPECT_STREQ(std::getenv("XCOMPOSEFILE"), "/dev/null");
    }
    EXPECT_EQ(std::getenv("XCOMPOSEFILE"), nullptr);

    setenv("XCOMPOSEFILE", "/home/teacher/.XCompose", 1);
    {
        platform::WithoutComposeTable without;
        EXPECT_STREQ(std::getenv("XCOMPOSEFILE"), "/home/teacher/.XCompose");
    }
    EXPECT_STREQ(std::getenv("XCOMPOSEFILE"), "/home/teacher/.XCompose");
    unsetenv("XCOMPOSEFILE");
}

}  // namespace
