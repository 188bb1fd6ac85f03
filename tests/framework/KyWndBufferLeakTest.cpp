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

TEST(KyWndBuffers, AFailedBitmapKeepsTheOldBuffer)
{
    RecordingWnd window;
    ASSERT_TRUE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    MoveWindow(window.GetHwnd(), 0, 0, 100, 80, FALSE);
    if (!kytest::FailNextGdiCreations(kytest::GdiKind::Bitmap, 1))
        GTEST_SKIP() << "the system's GDI cannot be made to fail";
    MoveWindow(window.GetHwnd(), 0, 0, 200, 160, FALSE);
    EXPECT_NE(GetPixel(window.BackDc(), 99, 79), CLR_INVALID);
    EXPECT_EQ(GetPixel(window.BackDc(), 100, 79), CLR_INVALID);
    // The failed size was not taken for the buffer's: a smaller growth still grows.
    MoveWindow(window.GetHwnd(), 0, 0, 150, 120, FALSE);
    EXPECT_NE(GetPixel(window.BackDc(), 149, 119), CLR_INVALID);
}
