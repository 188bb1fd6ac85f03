// Painting of the list window: its frame, its rows and their selection.
#include "framework/controls/KyList.h"

#include "base/ScopedSelection.h"
#include "gdi/FontCache.h"

namespace {

constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kDisabledTextColour = RGB(128, 128, 128);

bool Meets(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

// Four lines, each drawn left to right or top to bottom and ending one past
// its last pixel, so every corner is covered exactly once.
void DrawFrame(HDC dc, int width, int height)
{
    ScopedSelection pen(dc, GetStockObject(BLACK_PEN));
    const POINT lines[4][2] = {{{0, 0}, {width, 0}},
                               {{0, height - 1}, {width, height - 1}},
                               {{0, 0}, {0, height}},
                               {{width - 1, 0}, {width - 1, height}}};
    for (const auto& line : lines) {
        MoveToEx(dc, line[0].x, line[0].y, nullptr);
        LineTo(dc, line[1].x, line[1].y);
    }
}

}  // namespace

void KyList::Paint(HDC dc, const RECT& area)
{
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(enabled ? WHITE_BRUSH : LTGRAY_BRUSH)));
    if (bordered) {
        RECT client{};
        GetClientRect(hwnd, &client);
        DrawFrame(dc, client.right, client.bottom);
    }
    SetTextColor(itemDc, enabled ? kTextColour : kDisabledTextColour);
    SetBkMode(itemDc, TRANSPARENT);

    if (itemArea.bottom <= itemArea.top || !Meets(itemArea, area))
        return;
    const HFONT font = itemFontId == FontCache::kNoFont ? nullptr : FontHandle(itemFontId);

    ForEachRow(true, [&](Entry& entry, const RECT& row) {
        RECT visible;
        if (!IntersectRect(&visible, &row, &itemArea) || !Meets(visible, area))
            return true;
        // The item draws on a copy of its visible part only, so nothing it
        // draws can spill into its neighbours or over the frame.
        const int width = visible.right - visible.left;
        const int height = visible.bottom - visible.top;
        BitBlt(itemDc, visible.left, visible.top, width, height, dc, visible.left, visible.top, SRCCOPY);
        entry.item->PaintItem(itemDc, font, row, visible, columns, hasFocus);
        BitBlt(dc, visible.left, visible.top, width, height, itemDc, visible.left, visible.top, SRCCOPY);
        return true;
    });
}
