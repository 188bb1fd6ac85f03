// Layout and scrolling of the list window.
#include "framework/controls/KyList.h"
#include "framework/controls/KyListGeometry.h"

#include <algorithm>
#include <climits>

namespace {

void ShowBar(KyStandardScrollbar& bar, bool show)
{
    if (bar.GetHwnd() != nullptr)
        ShowWindow(bar.GetHwnd(), show ? SW_SHOW : SW_HIDE);
}

}  // namespace

int KyList::RowHeightOf(const KyItemBase& item) const
{
    const int own = item.GetHeight();
    if (own > 0)
        return own;
    // A row is never less than a pixel high, whatever it asks for.
    return own == 0 && rowHeight > 0 ? rowHeight : 1;
}

void KyList::SetRowHeight(int height)
{
    rowHeight = height;
    MeasureRows();
}

void KyList::MeasureRows()
{
    int64_t bottom = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        bottom += RowHeightOf(*entries[i].item);
        rowEnds[i] = bottom;
    }
}

RECT KyList::RowRect(size_t index) const
{
    // 64 bits: thousands of tall rows may pass INT_MAX far below the area.
    const int64_t origin = int64_t{itemArea.top} - vOffset;
    const int64_t top = origin + RowTop(index);
    const int64_t bottom = origin + rowEnds[index];
    return RECT{itemArea.left, static_cast<LONG>(std::clamp<int64_t>(top, INT_MIN, INT_MAX)), itemArea.right,
                static_cast<LONG>(std::clamp<int64_t>(bottom, INT_MIN, INT_MAX))};
}

void KyList::ForEachRow(bool visibleOnly, const RowVisitor& visit)
{
    size_t first = 0;
    if (visibleOnly) {
        // Rows that end at or above the offset lie wholly above the area.
        first = static_cast<size_t>(std::upper_bound(rowEnds.begin(), rowEnds.end(), int64_t{vOffset}) -
                                    rowEnds.begin());
    }
    for (size_t i = first; i < entries.size(); ++i) {
        const RECT row = RowRect(i);
        if (visibleOnly && row.top >= itemArea.bottom)
            return;
        if (!visit(entries[i], row))
            return;
    }
}

RECT KyList::ItemArea() const
{
    return itemArea;
}

void KyList::InvalidateRow(const RECT& row)
{
    RECT visible;
    if (IntersectRect(&visible, &row, &itemArea))
        InvalidateRect(hwnd, &visible, FALSE);
}

void KyList::InvalidateItemArea()
{
    if (hwnd != nullptr && itemArea.bottom > itemArea.top)
        InvalidateRect(hwnd, &itemArea, FALSE);
}

void KyList::Layout()
{
    if (hwnd == nullptr)
        return;
    RECT window{};
    GetWindowRect(hwnd, &window);

    const int64_t total = rowEnds.empty() ? 0 : rowEnds.back();
    contentHeight = static_cast<int>(std::min<int64_t>(total, INT_MAX));

    const KyListLayout layout = LayoutList(window.right - window.left, window.bottom - window.top,
                                           bordered, contentHeight, vOffset,
                                           GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
    itemArea = RECT{layout.x, layout.y, layout.x + layout.width, layout.y + layout.height};
    hOffset = 0;
    vOffset = layout.vOffset;
    ShowBar(horizontalBar, false);

    if (layout.height == 0 || contentHeight == 0) {
        // Too small to show rows, or nothing to show.
        ShowBar(verticalBar, false);
        if (layout.height != 0) {
            horizontalBar.SetPosition(0, false);
            verticalBar.SetPosition(0, false);
        }
        InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }

    horizontalBar.SetRange(0, static_cast<uint32_t>(layout.width), 0);
    if (layout.needsVerticalBar) {
        if (verticalBar.GetHwnd() != nullptr)
            MoveWindow(verticalBar.GetHwnd(), itemArea.right, itemArea.top, GetSystemMetrics(SM_CXVSCROLL),
                       layout.height, TRUE);
        ShowBar(verticalBar, true);
    } else {
        ShowBar(verticalBar, false);
    }
    verticalBar.SetRange(static_cast<uint32_t>(contentHeight), static_cast<uint32_t>(layout.height),
                         static_cast<uint32_t>(vOffset));
    InvalidateRect(hwnd, nullptr, FALSE);
}

void KyList::ShowItem(int32_t itemId)
{
    const int areaHeight = itemArea.bottom - itemArea.top;
    if (itemId == INT_MAX || areaHeight < 1)
        return;
    const int64_t index = IndexOf(itemId);
    if (index < 0)
        return;
    const int64_t rowTop = RowTop(static_cast<size_t>(index));
    const int64_t height = rowEnds[static_cast<size_t>(index)] - rowTop;
    if (rowTop + height > INT_MAX)
        return;

    const int offset = OffsetShowingRow(vOffset, static_cast<int>(rowTop), static_cast<int>(height), areaHeight,
                                        contentHeight);
    if (offset == vOffset)
        return;
    vOffset = offset;
    verticalBar.SetPosition(static_cast<uint32_t>(offset), false);
    InvalidateItemArea();
}

void KyList::RepaintItem(WPARAM wParam, LPARAM lParam)
{
    if (hwnd == nullptr || !IsWindowVisible(hwnd) || itemArea.bottom <= itemArea.top)
        return;
    // The item pointer in lParam is only looked up, never followed: a stale or
    // foreign value then simply matches no row.
    const int32_t wantedId = static_cast<int32_t>(wParam);
    const int64_t index = wantedId != 0 ? IndexOf(wantedId) : IndexOf(reinterpret_cast<const KyItemBase*>(lParam));
    if (index < 0)
        return;
    InvalidateRow(RowRect(static_cast<size_t>(index)));
}

void KyList::OnScrolled(int& offset, WPARAM wParam)
{
    const int position = static_cast<int>(static_cast<uint32_t>(wParam));
    if (position == offset)
        return;
    offset = position;
    InvalidateItemArea();
}

void KyList::OnKeyDown(UINT virtualKey)
{
    RECT window{};
    GetWindowRect(hwnd, &window);
    const uint32_t position = verticalBar.Position();
    const uint32_t target = PositionAfterKey(virtualKey, position, verticalBar.MaxPosition(),
                                             window.bottom - window.top);
    if (target != position)
        verticalBar.SetPosition(target, true);
}

void KyList::OnWheel(WPARAM wParam)
{
    // Fractions of a notch from fine wheels wait until they make a whole one.
    const int notches = wheel.Add(static_cast<short>(HIWORD(wParam)));
    if (notches == 0)
        return;
    const uint32_t position = verticalBar.Position();
    const uint32_t target = PositionAfterWheel(notches * WHEEL_DELTA, wheelStep, position, verticalBar.MaxPosition());
    verticalBar.SetPosition(target, true);
}
