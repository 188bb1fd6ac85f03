// The push button: clicks by mouse and Space, release outside, disabled
// buttons, and a parent that goes away while handling the click.
#include "ControlTestSupport.h"

namespace {

constexpr int kId = 3;

class Button : public controltest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        button = Create(L"button", BS_PUSHBUTTON, 30, 40, 250, 23, kId, L"Switch");
        ASSERT_NE(button, nullptr);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
    }
    bool Pushed() const { return (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

    HWND button = nullptr;
};

TEST_F(Button, ClickInsideSendsOneClickedWithTheButtonHandle)
{
    kytest::PressLeft(button, 100, 10);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(Pushed());
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_TRUE(Commands(button, kId).empty());
    kytest::ReleaseLeft(button, 100, 10);
    kytest::PumpUntilIdle();
    EXPECT_FALSE(Pushed());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Commands(button, kId), std::vector<WORD>{BN_CLICKED});
}

TEST_F(Button, MovingOutRaisesAndReleaseOutsideSendsNothing)
{
    kytest::PressLeft(button, 10, 10);
    kytest::PumpUntilIdle();
    kytest::MovePointer(button, 300, 10);
    kytest::PumpUntilIdle();
    EXPECT_FALSE(Pushed());
    kytest::MovePointer(button, 20, 10);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(Pushed());
    kytest::MovePointer(button, 20, 60);
    kytest::ReleaseLeft(button, 20, 60);
    kytest::PumpUntilIdle();
    EXPECT_FALSE(Pushed());
    EXPECT_TRUE(Commands(button, kId).empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Button, SpaceClicksTheFocusedButton)
{
    SetFocus(button);
    kytest::KeyDown(button, VK_SPACE);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(Pushed());
    EXPECT_TRUE(Commands(button, kId).empty());
    kytest::KeyUp(button, VK_SPACE);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Commands(button, kId), std::vector<WORD>{BN_CLICKED});
}

TEST_F(Button, DisabledButtonIgnoresClicks)
{
    EnableWindow(button, FALSE);
    kytest::PressLeft(button, 100, 10);
    kytest::ReleaseLeft(button, 100, 10);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(Commands(button, kId).empty());
    EXPECT_NE(GetFocus(), button);
    EnableWindow(button, TRUE);
    kytest::PressLeft(button, 100, 10);
    kytest::ReleaseLeft(button, 100, 10);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Commands(button, kId), std::vector<WORD>{BN_CLICKED});
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

TEST_F(Button, FaceIsRaisedAndPushedWhilePressed)
{
    UpdateWindow(parent);
    kytest::PumpUntilIdle();
    // Raised: light top-left edge, dark bottom-right edge.
    EXPECT_GT(Brightness(kytest::ReadPixel(button, 0, 0)), Brightness(kytest::ReadPixel(button, 249, 22)));
    kytest::PressLeft(button, 100, 10);
    kytest::PumpUntilIdle();
    UpdateWindow(button);
    EXPECT_LT(Brightness(kytest::ReadPixel(button, 0, 0)), Brightness(kytest::ReadPixel(button, 100, 1)));
    kytest::ReleaseLeft(button, 100, 10);
    kytest::PumpUntilIdle();
}

TEST_F(Button, ParentDestroyedByTheClickTakesTheButtonAlong)
{
    unsigned before = kytest::LiveWindowCount();
    HWND p = parent;
    testwin::SetHook([p](HWND hwnd, UINT m, WPARAM wParam, LPARAM, LRESULT*) {
        if (hwnd == p && m == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) DestroyWindow(p);
        return false;
    });
    kytest::PressLeft(button, 100, 10);
    kytest::ReleaseLeft(button, 100, 10);
    kytest::PumpUntilIdle();
    EXPECT_FALSE(IsWindow(button));
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_EQ(kytest::LiveWindowCount(), before - 2);
    // A message to the control that went with its parent is dropped.
    EXPECT_EQ(SendMessageW(button, BM_CLICK, 0, 0), 0);
}

}  // namespace
