#include "framework/controls/KyList.h"

#include "framework/controls/KyListMessages.h"
#include "gdi/BrushCache.h"
#include "gdi/FontCache.h"
#include "gdi/IdGenerator.h"

#include <algorithm>
#include <climits>

namespace {

constexpr COLORREF kSelectionColour = RGB(10, 36, 106);
constexpr COLORREF kInactiveSelectionColour = RGB(212, 208, 200);
// Ids 1 and 2 are the framework's and the lens views' own timers.
constexpr int32_t kFirstItemTimerId = 3;
constexpr UINT kBadPeriod = static_cast<UINT>(-1);
// DLGC_WANTARROWS: the arrow keys are the list's, not the dialog's.
constexpr LRESULT kWantsArrowKeys = 0x0001;

}  // namespace

KyList::KyList()
    : itemFontId(FontCache::kNoFont),
      selectionBrushId(AcquireBrush(kSelectionColour)),
      inactiveSelectionBrushId(AcquireBrush(kInactiveSelectionColour))
{
}

KyList::~KyList()
{
    itemDc.Destroy();
    if (itemFontId != FontCache::kNoFont)
        ReleaseFont(itemFontId);
    ReleaseBrush(selectionBrushId);
    ReleaseBrush(inactiveSelectionBrushId);
    // The scrollbars (members) go before the list window (the base), and the
    // items go with `entries`.
}

void KyList::SetItemFont(int32_t fontId)
{
    if (fontId == itemFontId)
        return;
    if (itemFontId != FontCache::kNoFont)
        ReleaseFont(itemFontId);
    itemFontId = fontId;
    InvalidateItemArea();
}

int32_t KyList::AddItem(const KyItemBase& item)
{
    const int32_t id = NextId();
    KyItemBase* clone = item.Clone();
    if (clone == nullptr)
        return INT_MAX;
    clone->SetId(id);
    entries.push_back(Entry{std::unique_ptr<KyItemBase, ItemReleaser>(clone), {}});
    entryIndex[id] = entries.size() - 1;
    itemIndex[clone] = entries.size() - 1;
    rowEnds.push_back(RowTop(entries.size() - 1) + RowHeightOf(*clone));
    clone->SetSelected(false);
    clone->AttachList(this);
    PostMessageW(hwnd, KYWM_LIST_LAYOUT, 0, 0);
    PostMessageW(hwnd, KYWM_LIST_SHOWITEM, static_cast<WPARAM>(id), 0);
    return id;
}

void KyList::DeselectAll()
{
    bool changed = false;
    for (Entry& entry : entries) {
        if (entry.item->IsSelected()) {
            entry.item->SetSelected(false);
            changed = true;
        }
    }
    if (changed)
        InvalidateItemArea();
}

KyList::Entry* KyList::FindEntry(int32_t itemId)
{
    const int64_t index = IndexOf(itemId);
    return index < 0 ? nullptr : &entries[static_cast<size_t>(index)];
}

int64_t KyList::IndexOf(int32_t itemId) const
{
    auto found = entryIndex.find(itemId);
    return found == entryIndex.end() ? -1 : static_cast<int64_t>(found->second);
}

int64_t KyList::IndexOf(const KyItemBase* item) const
{
    auto found = itemIndex.find(item);
    return found == itemIndex.end() ? -1 : static_cast<int64_t>(found->second);
}

int32_t KyList::StartItemTimer(int32_t itemId, UINT period)
{
    if (period == 0 || period == kBadPeriod || hwnd == nullptr)
        return INT_MAX;
    Entry* entry = FindEntry(itemId);
    if (entry == nullptr)
        return INT_MAX;
    // INT_MAX means "no timer", so the sequence starts over before reaching it.
    if (nextTimerId < kFirstItemTimerId || nextTimerId == INT_MAX)
        nextTimerId = kFirstItemTimerId;
    const int32_t timerId = nextTimerId++;
    if (SetTimer(hwnd, static_cast<UINT_PTR>(timerId), period, nullptr) == 0)
        return INT_MAX;
    entry->timerIds.push_back(timerId);
    timerOwners[timerId] = itemId;
    return timerId;
}

bool KyList::StopItemTimer(int32_t itemId, int32_t timerId)
{
    Entry* entry = FindEntry(itemId);
    if (entry == nullptr)
        return false;
    auto found = std::find(entry->timerIds.begin(), entry->timerIds.end(), timerId);
    if (found == entry->timerIds.end())
        return false;
    KillTimer(hwnd, static_cast<UINT_PTR>(timerId));
    entry->timerIds.erase(found);
    timerOwners.erase(timerId);
    return true;
}

bool KyList::StopItemTimers(int32_t itemId)
{
    Entry* entry = FindEntry(itemId);
    if (entry == nullptr)
        return false;
    for (int32_t timerId : entry->timerIds) {
        KillTimer(hwnd, static_cast<UINT_PTR>(timerId));
        timerOwners.erase(timerId);
    }
    entry->timerIds.clear();
    return true;
}

void KyList::RequestItemRepaint(const KyItemBase* item)
{
    PostMessageW(hwnd, KYWM_LIST_REPAINTITEM, 0, reinterpret_cast<LPARAM>(item));
}

HBRUSH KyList::GetSelectionBrush()
{
    return BrushHandle(selectionBrushId);
}

HBRUSH KyList::GetInactiveSelectionBrush()
{
    return BrushHandle(inactiveSelectionBrushId);
}

LRESULT KyList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_CREATE:
        OnCreate();
        break;
    case WM_SIZE:
        OnSize(lParam);
        break;
    case WM_SETFOCUS:
        OnFocusChange(true);
        break;
    case WM_KILLFOCUS:
        OnFocusChange(false);
        break;
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return 1;
    case WM_GETDLGCODE:
        return kWantsArrowKeys;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        break;
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        OnClick(point, wParam);
        break;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(point, wParam);
        break;
    case WM_MOUSEWHEEL:
        OnWheel(wParam);
        return 0;
    case KYWM_LIST_LAYOUT:
        Layout();
        break;
    case KYWM_LIST_HSCROLL:
        OnScrolled(hOffset, wParam);
        break;
    case KYWM_LIST_VSCROLL:
        OnScrolled(vOffset, wParam);
        break;
    case KYWM_LIST_REPAINTITEM:
        RepaintItem(wParam, lParam);
        break;
    case KYWM_LIST_SHOWITEM:
        ShowItem(static_cast<int32_t>(wParam));
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT KyList::OnCreate()
{
    // The bars copy their background from the list's own back buffer. A bar
    // that cannot be created is simply missing; the list works without it.
    horizontalBar.CreateChild(hwnd, backDc);
    verticalBar.CreateChild(hwnd, backDc);
    horizontalBar.SetNotification(KYWM_LIST_HSCROLL, 0);
    verticalBar.SetNotification(KYWM_LIST_VSCROLL, 0);
    HDC windowDc = GetDC(hwnd);
    itemDc.Create(windowDc);
    ReleaseDC(hwnd, windowDc);
    return 0;
}

void KyList::OnSize(LPARAM lParam)
{
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    if (width == 0 || height == 0)
        return;
    HDC windowDc = GetDC(hwnd);
    itemDc.SelectNewBitmap(windowDc, width, height);
    ReleaseDC(hwnd, windowDc);
    PostMessageW(hwnd, KYWM_LIST_LAYOUT, 0, 0);
}

void KyList::OnFocusChange(bool focused)
{
    hasFocus = focused;
    // Selected rows change colour with the focus.
    InvalidateRect(hwnd, nullptr, FALSE);
}

void KyList::OnTimer(UINT_PTR timerId)
{
    const int32_t id = static_cast<int32_t>(timerId);
    auto owner = timerOwners.find(id);
    Entry* entry = owner == timerOwners.end() ? nullptr : FindEntry(owner->second);
    if (entry == nullptr) {
        // Nobody holds this timer any more; it would tick for ever.
        KillTimer(hwnd, timerId);
        return;
    }
    entry->item->OnTimer(id);
}
