// The base of every window of the program. A window class varies behaviour
// only by overriding the virtual operations below; it never registers a
// window class or writes a window procedure of its own: every window runs on
// KyWndProc, which finds the object and calls Dispatch, and Dispatch does the
// common work (double-buffered painting, capture, leave tracking, framework
// messages) before the class's HandleMessage sees the message.
#pragma once

#include "framework/KyWndBase.h"
#include "platform/win32.h"

class KyWnd : public KyWndBase {
public:
    KyWnd() = default;
    ~KyWnd() override;

    // Registers the class for `classStyle` (shared by every window of that
    // style) and creates the window at 0, 0 with size 0 x 0. False when this
    // object already has a window or creation fails.
    virtual bool Create(UINT classStyle, DWORD style, DWORD exStyle, HWND parent, HDC background);
    // A hidden child (WS_CHILD only) of class style 0xB; false without parent.
    virtual bool CreateChild(HWND parent, HDC background);
    // True: the dispatch asks for WM_MOUSELEAVE on mouse moves.
    virtual bool WantsMouseLeave();
    // True: a left press at (x, y) takes the mouse capture until release.
    virtual bool CaptureOnPress(int x, int y);
    // The class's own handler; what it returns is what the window returns.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Paints `area` (client coordinates) into `dc`.
    virtual void Paint(HDC dc, const RECT& area);

    // 1000 x 700, keeping the top-left corner where it is.
    void ResizeToDefault();

protected:
    bool trackingLeave = false;
    bool captured = false;

private:
    // A child copies its background out of the back buffer, which must
    // therefore hold this window's picture.
    bool lendsBackBuffer = false;

    friend LRESULT CALLBACK KyWndProc(HWND, UINT, WPARAM, LPARAM);

    // The common dispatch; called only by KyWndProc.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCreateMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroyMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaintMessage();
    LRESULT OnShowWindowMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfoMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimerMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMoveMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDownMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUpMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnRestoreMessage();
    HDC PaintTarget(HDC screen);
    void BorrowBackground();
    void GrowBuffers(int width, int height);
    void FillBackground(HDC target, const RECT& area);
};

// The window procedure of every class the framework registers.
LRESULT CALLBACK KyWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
