// The paint buffers of a window that grows, is destroyed and is created
// again leave no GDI object behind.
#include "tests/support/NoGdiLeak.h"
#include "tests/support/RecordingWnd.h"
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(KyWndBuffers, GrowingAndDestroyingLeavesNoGdiObject)
{
    RecordingWnd parent;
    ASSERT_TRUE(CreateShownTopLevel(parent, 500, 400));
    const NoGdiLeak noLeak;
    auto child = std::make_unique<RecordingWnd>();
    child->secondBuffer = true;
    // Twice through the window, then through the object with its window alive.
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(child->CreateChild(parent.GetHwnd(), nullptr));
        for (int size = 50; size <= 300; size += 50)
            MoveWindow(child->GetHwnd(), 0, 0, size, size / 2, FALSE);
        if (round < 2)
            DestroyWindow(child->GetHwnd());
        else
            child.reset();
        noLeak.Check("round " + std::to_string(round));
    }
}

// The buffer is made, and grown, by the paint that needs it: here a child
// copies its background out of it, so every system keeps one.
TEST(KyWndBuffers, AFailedBitmapKeepsTheOldBuffer)
{
    RecordingWnd window, child;
    ASSERT_TRUE(CreateShownTopLevel(window, 100, 80));
    ASSERT_TRUE(child.CreateChild(window.GetHwnd(), window.BackDc()));
    const auto resize = [&](int width, int height) {
        MoveWindow(window.GetHwnd(), 0, 0, width, height, TRUE);
        UpdateWindow(window.GetHwnd());
    };
    resize(100, 80);
    EXPECT_NE(GetPixel(window.BackDc(), 99, 79), CLR_INVALID);
    if (!kytest::FailNextGdiCreations(kytest::GdiKind::Bitmap, 1))
        GTEST_SKIP() << "the system's GDI cannot be made to fail";
    resize(200, 160);
    EXPECT_NE(GetPixel(window.BackDc(), 99, 79), CLR_INVALID);
    EXPECT_EQ(GetPixel(window.BackDc(), 100, 79), CLR_INVALID);
    // The failed size was not taken for the buffer's: a smaller growth still grows.
    resize(150, 120);
    EXPECT_NE(GetPixel(window.BackDc(), 149, 119), CLR_INVALID);
}
