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

    // Takes every command posted so far out of the queue; -100 for a wrong one.
    int TakeClicks()
    {
        int clicks = 0;
        for (MSG m; PeekMessageW(&m, owner.GetHwnd(), KYWM_BUTTONCLICK, KYWM_BUTTONCLICK, PM_REMOVE);)
            clicks += m.wParam == 2 && m.lParam == 0 ? 1 : -100;
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

// A press posts its command when released inside, even when the button was
// disabled meanwhile; a release that ends no press does nothing.
TEST_F(SkinButtonTest, AReleaseInsidePostsOneCommand)
{
    const struct {
        int x, y;
        bool disable;
        int clicks;
        SkinButton::Face face;
    } releases[] = {{164, 71, false, 1, SkinButton::kFaceHover},
                    {165, 72, false, 0, SkinButton::kFaceNormal},  // the corner just outside
                    {120, 60, true, 1, SkinButton::kFaceDisabled}};
    for (const auto& r : releases) {
        SCOPED_TRACE(&r - releases);
        button.pressed = true;  // the press itself is the owner's job
        button.OnMouseMove(110, 60);
        EXPECT_EQ(button.CurrentFace(), SkinButton::kFacePressed);
        button.enabled = !r.disable;
        button.OnMouseMove(r.x, r.y);
        UpdateIs(none);
        button.OnLButtonUp(r.x, r.y);
        EXPECT_EQ(TakeClicks(), r.clicks);
        EXPECT_EQ(button.CurrentFace(), r.face);
        EXPECT_TRUE(UpdateIs(button.rect));
        button.enabled = true;
    }
    button.OnLButtonUp(120, 60);
    EXPECT_EQ(TakeClicks(), 0);
    EXPECT_TRUE(UpdateIs(none));
}
