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
        EXPECT_EQ(image->width, c.expected);
        EXPECT_EQ(image->height, c.expected);
        ASSERT_EQ(image->pixels.size(), size_t(c.expected) * c.expected);
        if (c.expected == 32) {
            EXPECT_EQ(image->pixels[0] >> 24, 0u);
            EXPECT_EQ(image->pixels[16 * 33] >> 24, 255u);
        }
    }
    EXPECT_EQ(platform::user::IconImageNear(nullptr, 32), nullptr);
}

}  // namespace
