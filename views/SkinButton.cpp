#include "views/SkinButton.h"

#include "context/AppContext.h"
#include "gdi/FontCache.h"
#include "images/ImageDrawing.h"
#include "views/SceneDrawing.h"

namespace {

constexpr int kFacesInStrip = 4;

}  // namespace

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

// The face is copied at the button's own width; past the strip's end (the
// disabled face of a button wider than a face) the picture drawing clips.
void SkinButton::Draw(HDC dc, const RECT& area) const
{
    RECT overlap{};
    if (!IntersectRect(&overlap, &rect, &area))
        return;
    const AppContext& context = AppContext::Instance();
    const Face face = CurrentFace();
    const RECT& strip = context.buttonSkin.SourceRect();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int faceLeft = ((strip.right - strip.left) * face) / kFacesInStrip;
    DrawImage(dc, context.buttonSkin, rect.left, rect.top, width, height, faceLeft, width, strip.bottom - strip.top);

    ScopedSelection font(dc, FontHandle(context.font18));
    // The highlighted face is drawn lifted, so its caption is too.
    RECT captionRect = rect;
    if (face == kFaceHover) {
        captionRect.top -= 1;
        captionRect.bottom -= 1;
    }
    DrawTextW(dc, caption.c_str(), -1, &captionRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
