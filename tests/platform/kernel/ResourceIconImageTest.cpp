// The decoded images of the program icon that the display backend hands to
// the window system. Only our own implementation has this accessor.
#include "platform/win32.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceIconImage, NearestSizeIsChosen) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102));
    ASSERT_NE(icon, nullptr);
    const struct { int asked, expected; } cases[] = {{16, 16}, {1, 16}, {24, 32}, {40, 48}, {56, 64}, {256, 64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        const platform::user::IconImage* image = platform::user::IconImageNear(icon, c.asked);
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(image->width == c.expected && image->height == c.expected);
        ASSERT_EQ(image->pixels.size(), size_t(c.expected) * c.expected);
        EXPECT_EQ(image->pixels[c.expected / 2 * (c.expected + 1)] >> 24, 255u) << "an opaque middle";
        EXPECT_TRUE(c.expected != 32 || image->pixels[0] >> 24 == 0) << "a transparent corner";
    }
    EXPECT_EQ(platform::user::IconImageNear(nullptr, 32), nullptr);
}

}  // namespace
