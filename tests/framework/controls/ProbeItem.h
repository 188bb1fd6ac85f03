// A list item for tests: it fills its whole row rectangle (not just the
// visible part) with its colour, and counts what the list asked of it.
#pragma once

#include "framework/controls/KyItemBase.h"
#include "platform/win32.h"

#include <new>

struct ProbeRecord {
    int clicks = 0;
    int doubleClicks = 0;
    int ticks = 0;
};

class ProbeItem : public KyItemBase {
public:
    ProbeItem(COLORREF fill, ProbeRecord* record) : colour(fill), seen(record) {}

    KyItemBase* Clone() const override { return new (std::nothrow) ProbeItem(*this); }
    void Release() override { delete this; }
    void GetTexts(std::vector<std::wstring>& texts) const override { texts.assign(1, L"probe"); }
    void OnTimer(int32_t) override { ++seen->ticks; }
    void OnClick(POINT, const RECT&, const RECT&) override { ++seen->clicks; }
    void OnDoubleClick(POINT, const RECT&, const RECT&) override { ++seen->doubleClicks; }

    void PaintItem(HDC dc, HFONT, const RECT& row, const RECT&, const std::vector<KyListColumn>&,
                   bool) override
    {
        HBRUSH brush = CreateSolidBrush(selected ? RGB(0, 0, 0) : colour);
        RECT spill{row.left - 5, row.top - 5, row.right + 5, row.bottom + 5};
        FillRect(dc, &spill, brush);
        DeleteObject(brush);
    }

    IList* Owner() const { return list; }

private:
    ProbeItem(const ProbeItem&) = default;

    COLORREF colour;
    ProbeRecord* seen;
};
