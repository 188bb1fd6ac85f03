// One line of the status display: a usage tip (black, steady) or a message
// (red, blinking twice when it arrives). A double click copies its text.
#pragma once

#include "framework/controls/KyItemBase.h"
#include "platform/win32.h"

#include <cstdint>
#include <string>

class KyStatusFlickItem : public KyItemBase {
public:
    static constexpr COLORREF kTipColour = RGB(0, 0, 0);
    static constexpr COLORREF kMessageColour = RGB(249, 0, 31);
    static constexpr uint32_t kMessageFlicks = 2;
    static constexpr UINT kBlinkPeriod = 500;

    KyStatusFlickItem(std::wstring text, uint32_t flickCount, COLORREF textColour);

    KyItemBase* Clone() const override;
    void Release() override;
    // Starts blinking when the entry asks for blinks.
    void AttachList(IList* owner) override;
    void GetTexts(std::vector<std::wstring>& texts) const override;
    void OnTimer(int32_t timerId) override;
    void PaintItem(HDC dc, HFONT font, const RECT& row, const RECT& visible,
                   const std::vector<KyListColumn>& columns, bool listHasFocus) override;
    void OnDoubleClick(POINT point, const RECT& row, const RECT& itemArea) override;

    // The colour the text is drawn in now.
    COLORREF CurrentTextColour() const;

private:
    KyStatusFlickItem(const KyStatusFlickItem&) = default;

    std::wstring text;
    // Counts down one step per tick; odd values draw the text white.
    uint32_t blinkCounter = 0;
    uint32_t flickCount;
    COLORREF textColour;
};
