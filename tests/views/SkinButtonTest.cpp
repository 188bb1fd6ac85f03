// A skinned button inside a real owner window: hover and press states, the
// posted command, and what gets repainted.
#include "ViewProbe.h"

#include <tuple>

// The button spans 100..164 x 50..71: right and bottom edges are outside.
TEST(SkinButton, RightAndBottomEdgesAreOutside)
{
    SkinButton button;
    button.rect = RECT{100, 50, 165, 72};
    const struct { int x, y; bool inside; } cases[] = {
        {100, 50, true}, {164, 71, true}, {165, 60, false}, {120, 72, false}, {99, 60, false}, {120, 49, false}};
    for (const auto& c : cases)
        EXPECT_EQ(button.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
}

// Pointer events in order on one button ('m' move, 'p' press, 'u' release):
// a press posts its command when released inside, even on a button disabled
// meanwhile; hover changes and releases repaint the button alone.
TEST(SkinButton, EventsInOrder)
{
    KyViewConvex owner;
    ASSERT_TRUE(ShowView(owner, 400, 300));
    SkinButton button;
    button.Init(owner.GetHwnd(), L"左移", 2, true);
    button.SetBounds(100, 50, 165, 72);
    using F = SkinButton::Face;
    const struct {
        char event;
        int x, y;
        bool enabled;
        int clicks;
        F face;
        bool repaint;  // the button alone; a press is the owner's to repaint
    } steps[] = {
        {'m', 120, 60, true, 0, F::kFaceHover, true},     {'m', 125, 65, true, 0, F::kFaceHover, false},
        {'m', 165, 60, true, 0, F::kFaceNormal, true},    {'p', 110, 60, true, 0, F::kFacePressed, false},
        {'u', 164, 71, true, 1, F::kFaceHover, true},     {'u', 120, 60, true, 0, F::kFaceHover, false},
        {'p', 110, 60, true, 0, F::kFacePressed, false},   {'m', 300, 200, true, 0, F::kFacePressed, false},
        {'u', 165, 72, true, 0, F::kFaceNormal, true},    {'p', 110, 60, true, 0, F::kFacePressed, false},
        {'u', 120, 60, false, 1, F::kFaceDisabled, true}, {'m', 130, 60, false, 0, F::kFaceDisabled, true},
    };
    ValidateRect(owner.GetHwnd(), nullptr);
    for (const auto& s : steps) {
        SCOPED_TRACE(&s - steps);
        button.enabled = s.enabled;
        button.pressed = button.pressed || s.event == 'p';
        if (s.event == 'u')
            button.OnLButtonUp(s.x, s.y);
        else
            button.OnMouseMove(s.x, s.y);
        int clicks = 0;
        for (MSG m; PeekMessageW(&m, owner.GetHwnd(), KYWM_BUTTONCLICK, KYWM_BUTTONCLICK, PM_REMOVE);)
            clicks += m.wParam == 2 && m.lParam == 0 ? 1 : 100;
        EXPECT_EQ(clicks, s.clicks);
        EXPECT_EQ(button.CurrentFace(), s.face);
        RECT update{0, 0, 0, 0};
        GetUpdateRect(owner.GetHwnd(), &update, FALSE);
        ValidateRect(owner.GetHwnd(), nullptr);
        const RECT expected = s.repaint ? button.rect : RECT{0, 0, 0, 0};
        EXPECT_TRUE(s.event == 'p' || std::tie(update.left, update.top, update.right, update.bottom) ==
                                          std::tie(expected.left, expected.top, expected.right, expected.bottom));
    }
}
