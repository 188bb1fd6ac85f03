// The program built without one of its resources (named by
// KY_MISSING_RESOURCE: a picture's number, "icon" or "version") starts,
// lays out, paints and closes like the whole program, leaves nothing
// behind, and simply lacks what is missing.
#include "app/KyMainWnd.h"
#include "tests/soak/Census.h"

#include <gtest/gtest.h>

TEST(MissingResource, ProgramRunsWithoutIt)
{
    const std::string missing = KY_MISSING_RESOURCE;
    kytest::PumpUntilIdle();
    const Census before = Census::Now();
    {
        KyMainWnd main;
        ASSERT_TRUE(main.CreateMain());
        HWND window = main.GetHwnd(), view = main.ConvexView().GetHwnd();
        ShowWindow(window, SW_SHOWNORMAL);
        MoveWindow(window, 0, 0, 1100, 760, TRUE);
        kytest::PumpUntilIdle();

        // The principal axis crosses the visible view whatever pictures exist.
        RECT client{};
        GetClientRect(view, &client);
        bool axis = false;
        for (int x = 0; x < client.right; ++x)
            axis |= GetGValue(kytest::ReadPixel(view, x, static_cast<int>(client.bottom * 0.45f))) < 100;
        EXPECT_TRUE(axis);

        EXPECT_EQ(GetWindowTextLengthW(window) == 0, missing == "version") << "title with " << missing << " missing";
        EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0) != 0, missing != "icon");
        CloseMain(window);
    }
    EXPECT_EQ(Census::Now(), before) << Census::Now().Text() << " against " << before.Text();
}
