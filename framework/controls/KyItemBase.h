// One row of a list window. The list owns its items (they are clones of what
// was handed to AddItem) and gives each a fresh id; items draw themselves and
// reach their list only through IList.
#pragma once

#include "framework/controls/IList.h"
#include "platform/win32.h"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

// Column descriptions handed to PaintItem. Lists in this program have no
// columns, so it is always empty.
struct KyListColumn {
    std::wstring title;
    int width = 0;
};

class KyItemBase {
public:
    static constexpr int32_t kNoId = INT_MAX;

    KyItemBase() = default;
    virtual ~KyItemBase() = default;

    // A copy owned by the caller, or null when it cannot be made.
    virtual KyItemBase* Clone() const = 0;
    // Destroys and frees the item.
    virtual void Release() = 0;
    virtual void AttachList(IList* owner);
    // Row height in pixels; 0 lets the list's default apply.
    virtual int GetHeight() const;
    // The item's texts, one per column.
    virtual void GetTexts(std::vector<std::wstring>& texts) const = 0;
    virtual void SetSelected(bool isSelected);
    virtual bool IsSelected() const;
    virtual void OnTimer(int32_t timerId);
    // Draws the row into `dc`, which the list has clipped to `visible` by
    // construction: whatever lands outside it is thrown away.
    virtual void PaintItem(HDC dc, HFONT font, const RECT& row, const RECT& visible,
                           const std::vector<KyListColumn>& columns, bool listHasFocus) = 0;
    virtual void OnClick(POINT point, const RECT& row, const RECT& itemArea);
    virtual void OnDoubleClick(POINT point, const RECT& row, const RECT& itemArea);

    int32_t Id() const { return id; }
    void SetId(int32_t newId) { id = newId; }

protected:
    KyItemBase(const KyItemBase&) = default;
    KyItemBase& operator=(const KyItemBase&) = default;

    int32_t id = kNoId;
    IList* list = nullptr;
    bool selected = false;
};
