// Keyboard focus and activation.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

class WindowFocus : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_F(WindowFocus, SetFocusNotifiesTheOldThenTheNewWindow)
{
    HWND top = testwin::CreateTopLevel();
    HWND a = testwin::CreateChild(top, 0, 0, 50, 50);
    HWND b = testwin::CreateChild(top, 60, 0, 50, 50);
    SetFocus(a);
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    std::vector<std::tuple<HWND, UINT, WPARAM>> focus;
    for (auto& e : testwin::Log())
        if (e.message == WM_KILLFOCUS || e.message == WM_SETFOCUS) focus.emplace_back(e.hwnd, e.message, e.wParam);
    EXPECT_EQ(focus, (std::vector<std::tuple<HWND, UINT, WPARAM>>{{a, WM_KILLFOCUS, reinterpret_cast<WPARAM>(b)},
                                                                   {b, WM_SETFOCUS, reinterpret_cast<WPARAM>(a)}}));
}

TEST_F(WindowFocus, ShowingATopLevelWindowActivatesAndFocusesIt)
{
    HWND top = testwin::CreateTopLevel(100, 100, 200, 150, 0, WS_POPUP);
    testwin::ClearLog();
    ShowWindow(top, SW_SHOWNORMAL);
    kytest::PumpUntilIdle();
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
    auto activations = testwin::EntriesOf(WM_ACTIVATE, top);
    ASSERT_FALSE(activations.empty());
    EXPECT_NE(LOWORD(activations.back().wParam), WA_INACTIVE);
}

TEST_F(WindowFocus, DisabledHiddenAndDestroyedWindowsLoseOrRefuseTheFocus)
{
    HWND top = testwin::CreateTopLevel();
    HWND child = testwin::CreateChild(top, 0, 0, 50, 50);
    SetFocus(top);
    EnableWindow(child, FALSE);
    EXPECT_EQ(SetFocus(child), nullptr);
    EXPECT_EQ(GetFocus(), top);
    EnableWindow(child, TRUE);
    SetFocus(child);
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);
    ShowWindow(child, SW_SHOWNORMAL);
    SetFocus(child);
    DestroyWindow(child);
    EXPECT_NE(GetFocus(), child);
}

}  // namespace
