// The program built without one of its resources (named by
// KY_MISSING_RESOURCE: a picture's number, "icon" or "version") starts,
// lays out, paints and closes like the whole program, leaves nothing
// behind, and simply lacks what is missing.
#include "app/KyMainWnd.h"
#include "platform/testing/QueueCensus.h"
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Census {
    unsigned windows;
    unsigned timers;
    unsigned gdiObjects;
    bool operator==(const Census&) const = default;
};

Census Count()
{
    return {kytest::LiveWindowCount(), kytest::LiveTimerCount(), kytest::LiveGdiObjectCount()};
}

bool HasDarkPixelInRow(HWND window, int y, int width)
{
    for (int x = 0; x < width; ++x)
        if (GetGValue(kytest::ReadPixel(window, x, y)) < 100) return true;
    return false;
}

}  // namespace

TEST(MissingResource, ProgramRunsWithoutIt)
{
    const std::string missing = KY_MISSING_RESOURCE;
    kytest::PumpUntilIdle();
    const Census before = Count();
    {
        KyMainWnd main;
        ASSERT_TRUE(main.CreateMain());
        HWND window = main.GetHwnd();
        ShowWindow(window, SW_SHOWNORMAL);
        MoveWindow(window, 0, 0, 1100, 760, TRUE);
        kytest::PumpUntilIdle();

        // The principal axis crosses the visible view whatever pictures exist.
        RECT view{};
        GetClientRect(main.ConvexView().GetHwnd(), &view);
        EXPECT_TRUE(HasDarkPixelInRow(main.ConvexView().GetHwnd(), static_cast<int>(view.bottom * 0.45f), view.right));

        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        EXPECT_EQ(title[0] == L'\0', missing == "version") << "title with " << missing << " missing";
        const bool hasIcon = SendMessageW(window, WM_GETICON, ICON_BIG, 0) != 0;
        EXPECT_EQ(hasIcon, missing != "icon");

        SendMessageW(window, WM_CLOSE, 0, 0);
        kytest::PumpUntilIdle();
    }
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_EQ(Count(), before);
}
