// Skinned buttons inside a real owner window: hover and press states, the
// posted command, and what gets repainted.
#include "ModelProbe.h"

#include <gtest/gtest.h>

namespace {

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
        MoveWindow(owner.GetHwnd(), 0, 0, 400, 300, FALSE);
        ShowWindow(owner.GetHwnd(), SW_SHOW);
        UpdateWindow(owner.GetHwnd());
        button.Init(owner.GetHwnd(), L"左移", 2, true);
        button.SetBounds(100, 50, 165, 72);
        ValidateRect(owner.GetHwnd(), nullptr);
    }

    // Takes every command posted so far out of the queue.
    int TakeClicks(WPARAM expectedCommand)
    {
        int clicks = 0;
        MSG message;
        while (PeekMessageW(&message, owner.GetHwnd(), KYWM_BUTTONCLICK, KYWM_BUTTONCLICK, PM_REMOVE)) {
            EXPECT_EQ(message.wParam, expectedCommand);
            EXPECT_EQ(message.lParam, 0);
            ++clicks;
        }
        return clicks;
    }

    // The owner's update rectangle, emptied afterwards.
    RECT TakeUpdate()
    {
        RECT update{0, 0, 0, 0};
        GetUpdateRect(owner.GetHwnd(), &update, FALSE);
        ValidateRect(owner.GetHwnd(), nullptr);
        return update;
    }

    static bool Same(const RECT& a, const RECT& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }

    // The press itself is the owner's job: it marks the button pressed.
    void Press()
    {
        button.pressed = true;
        button.OnMouseMove(110, 60);
    }

    ConvexProbe owner;
    SkinButton button;
};

}  // namespace

// The button spans 100..164 x 50..71: right and bottom edges are outside.
TEST_F(SkinButtonTest, RightAndBottomEdgesAreOutside)
{
    const struct {
        int x, y;
        bool inside;
    } cases[] = {{100, 50, true}, {164, 71, true}, {165, 60, false}, {120, 72, false}, {99, 60, false}, {120, 49, false}};
    for (const auto& c : cases)
        EXPECT_EQ(button.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST_F(SkinButtonTest, HoverFollowsThePointerAndRepaintsOnlyTheButton)
{
    button.OnMouseMove(120, 60);
    EXPECT_TRUE(button.hover);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceHover);
    EXPECT_TRUE(Same(TakeUpdate(), button.rect));

    button.OnMouseMove(125, 65);  // still over it: nothing to repaint
    EXPECT_TRUE(Same(TakeUpdate(), RECT{0, 0, 0, 0}));

    button.OnMouseMove(165, 60);
    EXPECT_FALSE(button.hover);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceNormal);
    EXPECT_TRUE(Same(TakeUpdate(), button.rect));

    button.enabled = false;
    button.OnMouseMove(120, 60);
    EXPECT_FALSE(button.hover);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceDisabled);
}

TEST_F(SkinButtonTest, PressAndReleaseInsidePostsOneCommand)
{
    Press();
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFacePressed);
    TakeUpdate();

    button.OnLButtonUp(164, 71);
    EXPECT_EQ(TakeClicks(2), 1);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceHover);
    EXPECT_TRUE(Same(TakeUpdate(), button.rect));

    // A release that ends no press does nothing.
    button.OnLButtonUp(120, 60);
    EXPECT_EQ(TakeClicks(2), 0);
    EXPECT_TRUE(Same(TakeUpdate(), RECT{0, 0, 0, 0}));
}

TEST_F(SkinButtonTest, PressInsideReleaseOutsidePostsNothing)
{
    Press();
    button.OnMouseMove(300, 200);
    button.OnLButtonUp(165, 72);  // the corner just outside
    EXPECT_EQ(TakeClicks(2), 0);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceNormal);
}

TEST_F(SkinButtonTest, ReleaseInsideADisabledButtonStillPosts)
{
    Press();
    button.enabled = false;
    button.OnLButtonUp(120, 60);
    EXPECT_EQ(TakeClicks(2), 1);
}

