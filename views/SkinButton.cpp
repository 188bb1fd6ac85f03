#include "views/SkinButton.h"

void SkinButton::Init(HWND ownerWindow, const std::wstring& text, int command, bool repeats)
{
    owner = ownerWindow;
    caption = text;
    commandId = command;
    autoRepeat = repeats;
}

void SkinButton::SetBounds(int left, int top, int right, int bottom)
{
    rect = RECT{left, top, right, bottom};
    // The whole owner, because the caption and face move with the button.
    if (owner != nullptr)
        InvalidateRect(owner, nullptr, TRUE);
}

void SkinButton::OnMouseMove(int x, int y)
{
    const bool over = enabled && !pressed && Contains(x, y);
    if (over == hover)
        return;
    hover = over;
    InvalidateButton();
}

void SkinButton::OnLButtonUp(int x, int y)
{
    if (!pressed)
        return;
    pressed = false;
    hover = false;
    if (Contains(x, y)) {
        // Without an owner the command would become a thread message.
        if (owner != nullptr)
            PostMessageW(owner, KYWM_BUTTONCLICK, static_cast<WPARAM>(commandId), 0);
        hover = true;
    }
    InvalidateButton();
}

bool SkinButton::Contains(int x, int y) const
{
    return rect.left <= x && x < rect.right && rect.top <= y && y < rect.bottom;
}

SkinButton::Face SkinButton::CurrentFace() const
{
    if (!enabled)
        return kFaceDisabled;
    if (pressed)
        return kFacePressed;
    if (hover)
        return kFaceHover;
    return kFaceNormal;
}

void SkinButton::InvalidateButton() const
{
    // A null owner would invalidate every window on the desktop.
    if (owner != nullptr)
        InvalidateRect(owner, &rect, FALSE);
}
