// A scrolling list window whose rows are items that draw themselves. The list
// owns its items, lays them out top to bottom, scrolls them with a vertical
// bar, the keyboard and the wheel, selects one at a time with the mouse, and
// lends its items timers and deferred repaints through IList.
#pragma once

#include "framework/KyMemoryDc.h"
#include "framework/KyWnd.h"
#include "framework/WheelNotches.h"
#include "framework/controls/IList.h"
#include "framework/controls/KyItemBase.h"
#include "framework/controls/KyStandardScrollbar.h"
#include "platform/win32.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class KyList : public KyWnd, public IList {
public:
    KyList();
    ~KyList() override;

    // Adds a clone of `item` after all rows, with a fresh id from the shared
    // identifier sequence, and scrolls it into view later. INT_MAX when the
    // clone cannot be made.
    int32_t AddItem(const KyItemBase& item);
    void DeselectAll();

    int32_t StartItemTimer(int32_t itemId, UINT period) override;
    bool StopItemTimer(int32_t itemId, int32_t timerId) override;
    bool StopItemTimers(int32_t itemId) override;
    void RequestItemRepaint(const KyItemBase* item) override;
    HBRUSH GetSelectionBrush() override;
    HBRUSH GetInactiveSelectionBrush() override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& area) override;

    // Row height for items that do not choose their own.
    void SetRowHeight(int height);
    // Takes over a font id of the font cache (released with the list); the
    // previous one is released.
    void SetItemFont(int32_t fontId);
    void SetWheelStep(uint32_t step) { wheelStep = step; }
    KyStandardScrollbar& VerticalBar() { return verticalBar; }
    KyStandardScrollbar& HorizontalBar() { return horizontalBar; }

    size_t ItemCount() const { return entries.size(); }
    const KyItemBase& ItemAt(size_t index) const { return *entries[index].item; }
    int32_t ItemFont() const { return itemFontId; }
    RECT ItemArea() const;

private:
    struct ItemReleaser {
        void operator()(KyItemBase* item) const { item->Release(); }
    };
    struct Entry {
        std::unique_ptr<KyItemBase, ItemReleaser> item;
        std::vector<int32_t> timerIds;
    };
    // Called for each row in order with its entry and rectangle; returning
    // false ends the walk. `visibleOnly` also ends it at the first row below
    // the item area.
    using RowVisitor = std::function<bool(Entry&, const RECT&)>;

    int RowHeightOf(const KyItemBase& item) const;
    int64_t RowTop(size_t index) const { return index == 0 ? 0 : rowEnds[index - 1]; }
    RECT RowRect(size_t index) const;
    void MeasureRows();
    void ForEachRow(bool visibleOnly, const RowVisitor& visit);
    Entry* FindEntry(int32_t itemId);
    // Index of the entry holding `itemId`, or of `item` itself; -1 when none.
    int64_t IndexOf(int32_t itemId) const;
    int64_t IndexOf(const KyItemBase* item) const;
    // Invalidates the part of `row` inside the item area, if any.
    void InvalidateRow(const RECT& row);
    void InvalidateItemArea();

    LRESULT OnCreate();
    void OnSize(LPARAM lParam);
    void OnFocusChange(bool focused);
    void OnTimer(UINT_PTR timerId);
    void Layout();
    void ShowItem(int32_t itemId);
    void RepaintItem(WPARAM wParam, LPARAM lParam);
    void OnScrolled(int& offset, WPARAM wParam);
    void OnKeyDown(UINT virtualKey);
    void OnWheel(WPARAM wParam);
    void OnClick(POINT point, WPARAM keys);
    void OnDoubleClick(POINT point, WPARAM keys);
    bool InItemArea(POINT point) const;
    // The item under `point` once the selection is updated, null when nothing
    // is hit or the keys say the item is not to be told.
    KyItemBase* SelectAt(POINT point, WPARAM keys, bool toggle, RECT& hitRow);

    int32_t nextTimerId = 0;
    KyMemoryDc itemDc;
    int32_t itemFontId;
    uint32_t wheelStep = 0;
    WheelNotches wheel;
    std::vector<Entry> entries;
    // Item id to entry index, and timer id to item id: a tick or a timer
    // request finds its entry without walking thousands of rows.
    std::unordered_map<int32_t, size_t> entryIndex;
    std::unordered_map<const KyItemBase*, size_t> itemIndex;
    std::unordered_map<int32_t, int32_t> timerOwners;
    // Bottom of each row, measured from the top of the content. An item's
    // height is read once, when it is added (or when the default changes), so
    // painting and scrolling find their rows without walking from the top.
    std::vector<int64_t> rowEnds;
    KyStandardScrollbar horizontalBar{false};
    KyStandardScrollbar verticalBar{true};
    int hOffset = 0;
    int vOffset = 0;
    int rowHeight = 0;
    int contentHeight = 0;
    bool bordered = true;
    RECT itemArea{0, 0, 0, 0};
    bool hasFocus = false;
    int32_t selectionBrushId;
    int32_t inactiveSelectionBrushId;
    // Lists in this program have no columns.
    std::vector<KyListColumn> columns;
};
