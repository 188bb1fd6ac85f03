// State shared by every window object: its handle, its paint buffers and its
// minimum tracking size. Constructing one registers it in KyWndRegistry for
// its whole life, window or not.
#pragma once

#include "base/KyClassBase.h"
#include "framework/IKyWnd.h"
#include "framework/KyMemoryDc.h"
#include "platform/win32.h"

class KyWndBase : public IKyWnd, public KyClassBase {
public:
    KyWndBase();
    ~KyWndBase() override;
    KyWndBase(const KyWndBase&) = delete;
    KyWndBase& operator=(const KyWndBase&) = delete;

    HWND GetHwnd() override;
    void SetMinTrackSize(int width, int height) override;
    bool OnBaseTimer() override;
    bool PaintsItself() override;
    bool IsDoubleBuffered() override;
    bool HasSecondBuffer() override;

    HDC BackDc() const { return backDc; }

protected:
    // Clears the handle first, so that the registry no longer finds this
    // object, then destroys the window; its destruction messages therefore
    // go to DefWindowProcW.
    void DestroyOwnWindow();
    void DestroyBuffers();

    HWND hwnd = nullptr;
    HWND parentHwnd = nullptr;
    KyMemoryDc backDc;
    KyMemoryDc secondDc;
    HDC backgroundDc = nullptr;
    int bufferWidth = 0;
    int bufferHeight = 0;
    bool shownOnce = false;
    int minTrackWidth = 0;
    int minTrackHeight = 0;
};
