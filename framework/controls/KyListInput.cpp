// Input to the list window: clicks on its rows, keys, the wheel and its bars.
#include "framework/controls/KyList.h"
#include "framework/controls/KyListGeometry.h"

namespace {

bool Contains(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

bool KyList::InItemArea(POINT point) const
{
    return Contains(itemArea, point);
}

// A click toggles the row under the pointer, a double click selects it; both
// deselect every other row. Control leaves the selection alone, and shift
// selects without telling the item.
void KyList::OnClick(POINT point, WPARAM keys)
{
    RECT row{};
    if (KyItemBase* hit = SelectAt(point, keys, true, row))
        hit->OnClick(point, row, itemArea);
}

void KyList::OnDoubleClick(POINT point, WPARAM keys)
{
    RECT row{};
    if (KyItemBase* hit = SelectAt(point, keys, false, row))
        hit->OnDoubleClick(point, row, itemArea);
}

KyItemBase* KyList::SelectAt(POINT point, WPARAM keys, bool toggle, RECT& hitRow)
{
    if ((keys & MK_CONTROL) != 0 || !InItemArea(point))
        return nullptr;
    KyItemBase* hit = nullptr;
    ForEachRow(false, [&](Entry& entry, const RECT& row) {
        KyItemBase& item = *entry.item;
        if (hit == nullptr && Contains(row, point)) {
            hit = &item;
            hitRow = row;
            const bool selected = toggle ? !item.IsSelected() : true;
            if (selected != item.IsSelected()) {
                item.SetSelected(selected);
                InvalidateRow(row);
            }
        } else if (item.IsSelected()) {
            item.SetSelected(false);
            InvalidateRow(row);
        }
        return true;
    });
    return (keys & MK_SHIFT) == 0 ? hit : nullptr;
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
