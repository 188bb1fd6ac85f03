// A framework window for tests: it records what reaches its handler and lets
// a test choose the answers of the virtual operations.
#pragma once

#include "framework/KyWnd.h"
#include "platform/win32.h"

#include <vector>

struct HandledMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    HWND handleAtTheTime;   // GetHwnd() while the handler ran
    HWND captureAtTheTime;  // GetCapture() while the handler ran
};

class RecordingWnd : public KyWnd {
public:
    // Handler results to force; anything else goes to DefWindowProcW.
    bool failNcCreate = false, failCreate = false;
    bool doubleBuffered = true, secondBuffer = false, paintsItself = false, wantsLeave = false, captureOnPress = false;
    bool baseTimerDone = true;

    // Every message the handler saw, in order; outlives nothing but the test.
    std::vector<HandledMessage>* log = &ownLog;
    std::vector<HandledMessage> ownLog;

    // Where CaptureOnPress was asked; what Paint got.
    POINT lastPressAsked{-1000, -1000};
    std::vector<RECT> paintedAreas;
    // When set, Paint fills its area with this colour.
    bool paintSolid = false;
    COLORREF paintColour = 0;

    bool PaintsItself() override { return paintsItself; }
    bool IsDoubleBuffered() override { return doubleBuffered; }
    bool HasSecondBuffer() override { return secondBuffer; }
    bool OnBaseTimer() override { return baseTimerDone; }
    bool WantsMouseLeave() override { return wantsLeave; }

    bool CaptureOnPress(int x, int y) override { lastPressAsked = POINT{x, y}; return captureOnPress; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        log->push_back(HandledMessage{message, wParam, lParam, hwnd, GetCapture()});
        if (message == WM_NCCREATE && failNcCreate) return FALSE;
        if (message == WM_CREATE && failCreate) return -1;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    void Paint(HDC dc, const RECT& area) override
    {
        paintedAreas.push_back(area);
        if (!paintSolid) return;
        HBRUSH brush = CreateSolidBrush(paintColour);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }

    // Messages of one kind the handler saw.
    std::vector<HandledMessage> Seen(UINT message) const
    {
        std::vector<HandledMessage> found;
        for (const HandledMessage& entry : *log)
            if (entry.message == message) found.push_back(entry);
        return found;
    }

    bool Captured() const { return captured; }
    bool TrackingLeave() const { return trackingLeave; }
};

// Dispatches every message that is ready, as a message loop would.
inline void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) TranslateMessage(&message), DispatchMessageW(&message);
}

// A visible top-level framework window with the given client size, for
// tests that need a parent.
inline bool CreateShownTopLevel(RecordingWnd& window, int width, int height)
{
    if (!window.Create(0xB, WS_POPUP, 0, nullptr, nullptr)) return false;
    MoveWindow(window.GetHwnd(), 20, 20, width, height, TRUE);
    ShowWindow(window.GetHwnd(), SW_SHOW);
    PumpMessages();
    return true;
}
