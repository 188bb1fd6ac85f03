// Skinned buttons inside a real owner window: hover and press states, the
// posted command, and what gets repainted.
#include "ViewProbe.h"

namespace {

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowView(owner, 400, 300));
        button.Init(owner.GetHwnd(), L"左移", 2, true);
        button.SetBounds(100, 50, 165, 72);
        ValidateRect(owner.GetHwnd(), nullptr);
    }

    // Takes every command posted so far out of the queue.
    int TakeClicks()
    {
        int clicks = 0;
        MSG message;
        while (PeekMessageW(&message, owner.GetHwnd(), KYWM_BUTTONCLICK, KYWM_BUTTONCLICK, PM_REMOVE)) {
            EXPECT_EQ(message.wParam, 2u);
            EXPECT_EQ(message.lParam, 0);
            ++clicks;
        }
        return clicks;
    }

    // Whether the owner's update rectangle is the button's (or empty), emptied afterwards.
    bool UpdateIs(const RECT& expected)
    {
        RECT update{0, 0, 0, 0};
        GetUpdateRect(owner.GetHwnd(), &update, FALSE);
        ValidateRect(owner.GetHwnd(), nullptr);
        return update.left == expected.left && update.top == expected.top && update.right == expected.right &&
               update.bottom == expected.bottom;
    }

    // The press itself is the owner's job: it marks the button pressed.
    void Press()
    {
        button.pressed = true;
        button.OnMouseMove(110, 60);
    }

    KyViewConvex owner;
    SkinButton button;
    const RECT none{0, 0, 0, 0};
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
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceHover);
    EXPECT_TRUE(UpdateIs(button.rect));
    button.OnMouseMove(125, 65);  // still over it: nothing to repaint
    EXPECT_TRUE(UpdateIs(none));
    button.OnMouseMove(165, 60);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceNormal);
    EXPECT_TRUE(UpdateIs(button.rect));
    button.enabled = false;
    button.OnMouseMove(120, 60);
    EXPECT_FALSE(button.hover);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceDisabled);
}

TEST_F(SkinButtonTest, PressAndReleaseInsidePostsOneCommand)
{
    Press();
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFacePressed);
    UpdateIs(none);
    button.OnLButtonUp(164, 71);
    EXPECT_EQ(TakeClicks(), 1);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceHover);
    EXPECT_TRUE(UpdateIs(button.rect));
    // A release that ends no press does nothing.
    button.OnLButtonUp(120, 60);
    EXPECT_EQ(TakeClicks(), 0);
    EXPECT_TRUE(UpdateIs(none));
}

TEST_F(SkinButtonTest, PressInsideReleaseOutsidePostsNothing)
{
    Press();
    button.OnMouseMove(300, 200);
    button.OnLButtonUp(165, 72);  // the corner just outside
    EXPECT_EQ(TakeClicks(), 0);
    EXPECT_EQ(button.CurrentFace(), SkinButton::kFaceNormal);
}

TEST_F(SkinButtonTest, ReleaseInsideADisabledButtonStillPosts)
{
    Press();
    button.enabled = false;
    button.OnLButtonUp(120, 60);
    EXPECT_EQ(TakeClicks(), 1);
}
