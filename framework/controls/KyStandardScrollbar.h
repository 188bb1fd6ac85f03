// A window that hosts one system "ScrollBar" control over its whole client
// area. The scroll state lives here, in content pixels; the control only
// mirrors it, scaled down when the content is too long for the control's
// 16-bit positions. Every scroll action the control reports is posted on to
// the parent as the owner's chosen message, with the new position in wParam.
#pragma once

#include "framework/KyWnd.h"
#include "platform/win32.h"

#include <cstdint>

class KyStandardScrollbar : public KyWnd {
public:
    explicit KyStandardScrollbar(bool vertical);
    ~KyStandardScrollbar() override;

    bool PaintsItself() override { return true; }
    bool IsDoubleBuffered() override { return false; }
    // Class style 3: the scrollbar has no use for double clicks.
    bool CreateChild(HWND parent, HDC background) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Pushes range, page, position and enabled state into the control.
    virtual void SyncControl();

    // Clamps to MaxPosition; nothing happens when the position is unchanged.
    void SetPosition(uint32_t newPosition, bool notify);
    // Notifies only when `newPosition` had to be clamped.
    void SetRange(uint32_t newTotal, uint32_t newPage, uint32_t newPosition);
    // Posts the notification message with the current position to the parent.
    void Notify();

    void SetNotification(UINT message, LPARAM param)
    {
        notifyMessage = message;
        notifyParam = param;
    }
    void SetLineStep(uint32_t step) { lineStep = step; }

    uint32_t Position() const { return position; }
    uint32_t Total() const { return total; }
    uint32_t Page() const { return page; }
    uint32_t LineStep() const { return lineStep; }
    HWND Control() const { return control; }
    bool IsVertical() const { return vertical; }
    double Scale() const { return scale; }
    uint32_t MaxPosition() const { return MaxPositionOf(total, page); }

    // total - page when 0 < page < total, else 0.
    static uint32_t MaxPositionOf(uint32_t total, uint32_t page);
    // Content pixels to control units and back, through `scale`.
    int32_t ToControl(uint32_t value) const;
    uint32_t FromControl(uint32_t unit) const;

private:
    LRESULT OnCreate();
    void OnSize(LPARAM lParam);
    void OnScroll(WPARAM wParam);

    bool vertical;
    // 1: notifications go to the parent window; the only mode in use.
    int32_t notifyMode = 1;
    UINT notifyMessage = 0;
    LPARAM notifyParam = 0;
    uint32_t total = 0;
    uint32_t position = 0;
    uint32_t page = 0;
    uint32_t lineStep = 1;
    HWND control = nullptr;
    double scale = 1.0;
};
