// The push button: clicks by mouse and Space, release outside, its face.
#include "ControlTestSupport.h"

namespace {

constexpr int kId = 3;

class Button : public controltest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        button = Create(L"button", BS_PUSHBUTTON, 30, 40, 250, 23, kId, L"Switch");
    }
    // Pumps, then checks the pushed state, the clicks reported so far and
    // the capture (Windows may hold it while Space is down: not asked then).
    void Expect(bool pushed, size_t clicks, HWND capture = HWND(-1))
    {
        kytest::PumpUntilIdle();
        EXPECT_EQ((SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0, pushed);
        EXPECT_EQ(Commands(button, kId), std::vector<WORD>(clicks, BN_CLICKED));
        EXPECT_TRUE(capture == HWND(-1) || GetCapture() == capture);
    }

    HWND button = nullptr;
};

TEST_F(Button, ClickInsideOrBySpaceSendsOneClicked)
{
    kytest::PressLeft(button, 100, 10);
    Expect(true, 0, button);
    EXPECT_EQ(GetFocus(), button);
    kytest::ReleaseLeft(button, 100, 10);
    Expect(false, 1, nullptr);
    kytest::KeyDown(button, VK_SPACE);
    Expect(true, 1);
    kytest::KeyUp(button, VK_SPACE);
    Expect(false, 2);
}

TEST_F(Button, MovingOutRaisesAndReleaseOutsideSendsNothing)
{
    kytest::PressLeft(button, 10, 10);
    kytest::PumpUntilIdle();  // the capture must be taken before the pointer leaves
    kytest::MovePointer(button, 300, 10);
    Expect(false, 0, button);
    kytest::MovePointer(button, 20, 10);
    Expect(true, 0, button);
    kytest::MovePointer(button, 20, 60);
    kytest::ReleaseLeft(button, 20, 60);
    Expect(false, 0, nullptr);
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// Raised: a light top-left edge and a dark bottom-right one; pressed: sunk.
TEST_F(Button, FaceIsRaisedAndPushedWhilePressed)
{
    UpdateWindow(parent);
    kytest::PumpUntilIdle();
    EXPECT_GT(Brightness(kytest::ReadPixel(button, 0, 0)), Brightness(kytest::ReadPixel(button, 249, 22)));
    kytest::PressLeft(button, 100, 10);
    kytest::PumpUntilIdle();
    UpdateWindow(button);
    EXPECT_LT(Brightness(kytest::ReadPixel(button, 0, 0)), Brightness(kytest::ReadPixel(button, 100, 1)));
    kytest::ReleaseLeft(button, 100, 10);
    kytest::PumpUntilIdle();
}

}  // namespace
