#include "platform/controls/ClassicLook.h"

#include "platform/controls/controls.h"

namespace platform::controls {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush) return;
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void Frame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
    FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void ButtonFace(HDC dc, const RECT& r, bool pushed)
{
    FillSolid(dc, r, colour::kFace);
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (pushed) {
        Frame(dc, r, colour::kDarkShadow, colour::kHighlight);
        Frame(dc, inner, colour::kShadow, colour::kLight);
    } else {
        Frame(dc, r, colour::kHighlight, colour::kDarkShadow);
        Frame(dc, inner, colour::kLight, colour::kShadow);
    }
}

void FocusDots(HDC dc, const RECT& r)
{
    // Every other pixel, as DrawFocusRect does, starting at the corner.
    auto dot = [dc](int x, int y) { FillSolid(dc, RECT{x, y, x + 1, y + 1}, colour::kText); };
    for (int x = r.left; x < r.right; x += 2) {
        dot(x, r.top);
        if ((x - r.left + r.bottom - 1 - r.top) % 2 == 0) dot(x, r.bottom - 1);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        dot(r.left, y);
        if ((r.right - 1 - r.left + y - r.top) % 2 == 0) dot(r.right - 1, y);
    }
}

void NotifyParent(HWND control, WORD code)
{
    HWND parent = GetParent(control);
    if (!parent || !IsWindow(parent)) return;
    auto id = static_cast<WORD>(GetWindowLongPtrW(control, GWLP_ID));
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

HFONT FontOrDefault(HFONT font)
{
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

}  // namespace platform::controls
