#include "framework/controls/KyStatusFlickItem.h"

#include "base/ScopedSelection.h"

#include <climits>
#include <cstring>
#include <new>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
// Text sits this far inside the row's left and right edges.
constexpr int kTextInset = 2;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

}  // namespace

KyStatusFlickItem::KyStatusFlickItem(std::wstring lineText, uint32_t flicks, COLORREF colour)
    : text(std::move(lineText)), flickCount(flicks), textColour(colour)
{
}

KyItemBase* KyStatusFlickItem::Clone() const
{
    return new (std::nothrow) KyStatusFlickItem(*this);
}

void KyStatusFlickItem::Release()
{
    delete this;
}

void KyStatusFlickItem::AttachList(IList* owner)
{
    KyItemBase::AttachList(owner);
    if (flickCount == 0 || owner == nullptr)
        return;
    // Without a timer the message simply stays red from the start.
    if (owner->StartItemTimer(id, kBlinkPeriod) != INT_MAX)
        blinkCounter = 2 * flickCount;
}

void KyStatusFlickItem::GetTexts(std::vector<std::wstring>& texts) const
{
    texts.clear();
    texts.push_back(text);
}

void KyStatusFlickItem::OnTimer(int32_t timerId)
{
    if (list != nullptr)
        list->RequestItemRepaint(this);
    if (blinkCounter > 1) {
        --blinkCounter;
        return;
    }
    if (list != nullptr)
        list->StopItemTimer(id, timerId);
    blinkCounter = 0;
}

COLORREF KyStatusFlickItem::CurrentTextColour() const
{
    if (selected || blinkCounter % 2 == 1)
        return kWhite;
    return textColour;
}

void KyStatusFlickItem::PaintItem(HDC dc, HFONT font, const RECT& row, const RECT& visible,
                                  const std::vector<KyListColumn>&, bool listHasFocus)
{
    if (selected && list != nullptr) {
        HBRUSH brush = listHasFocus ? list->GetSelectionBrush() : list->GetInactiveSelectionBrush();
        FillRect(dc, &visible, brush);
    }
    if (text.empty())
        return;
    ScopedSelection fontSelection(dc, font);
    RECT textRect{row.left + kTextInset, row.top, row.right - kTextInset, row.bottom};
    RECT common;
    if (!IntersectRect(&common, &textRect, &visible))
        return;
    SetTextColor(dc, CurrentTextColour());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, kTextFormat);
}

void KyStatusFlickItem::OnDoubleClick(POINT, const RECT&, const RECT&)
{
    if (text.empty() || !OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
    void* target = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (target != nullptr) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
        // On success the clipboard owns the memory.
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    } else if (memory != nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}
