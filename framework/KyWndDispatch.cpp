// The common dispatch: what every framework window does with a message
// before, or instead of, handing it to the class's HandleMessage.
#include "framework/KyWnd.h"
#include "framework/KyWndMessages.h"

LRESULT KyWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreateMessage(wParam, lParam);
    case WM_DESTROY:
        return OnDestroyMessage(wParam, lParam);
    case WM_SIZE:
        return OnSizeMessage(wParam, lParam);
    case WM_ACTIVATE:
        PostMessageW(hwnd, KYWM_ACTIVECHANGED, LOWORD(wParam) != 0 ? 1 : 0, 0);
        return HandleMessage(message, wParam, lParam);
    case WM_ENABLE:
    case WM_ACTIVATEAPP:
        PostMessageW(hwnd, KYWM_ACTIVECHANGED, wParam, 0);
        return HandleMessage(message, wParam, lParam);
    case WM_PAINT:
        if (PaintsItself())
            return HandleMessage(message, wParam, lParam);
        return OnPaintMessage();
    case WM_SHOWWINDOW:
        return OnShowWindowMessage(wParam, lParam);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfoMessage(wParam, lParam);
    case WM_NCCALCSIZE:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_TIMER:
        return OnTimerMessage(wParam, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMoveMessage(wParam, lParam);
    case WM_MOUSELEAVE:
        trackingLeave = false;
        return HandleMessage(message, wParam, lParam);
    case WM_LBUTTONDOWN:
        return OnLButtonDownMessage(wParam, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUpMessage(wParam, lParam);
    case KYWM_RESTORE:
        return OnRestoreMessage();
    default:
        return HandleMessage(message, wParam, lParam);
    }
}

LRESULT KyWnd::OnCreateMessage(WPARAM wParam, LPARAM lParam)
{
    if (IsDoubleBuffered()) {
        HDC windowDc = GetDC(hwnd);
        backDc.Create(windowDc);
        if (HasSecondBuffer())
            secondDc.Create(windowDc);
        ReleaseDC(hwnd, windowDc);
    }
    const LRESULT result = HandleMessage(WM_CREATE, wParam, lParam);
    if (result == -1) {
        DestroyBuffers();
        return -1;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    return result;
}

LRESULT KyWnd::OnDestroyMessage(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = HandleMessage(WM_DESTROY, wParam, lParam);
    hwnd = nullptr;
    DestroyBuffers();
    if (captured) {
        ReleaseCapture();
        captured = false;
    }
    // The leave request and the children died with the window; a window
    // created again on this object must ask anew.
    trackingLeave = false;
    lendsBackBuffer = false;
    return result;
}

LRESULT KyWnd::OnSizeMessage(WPARAM wParam, LPARAM lParam)
{
    PostMessageW(hwnd, KYWM_SIZED, 0, lParam);
    return HandleMessage(WM_SIZE, wParam, lParam);
}

// The buffers are made when a paint first needs them (a window that is never
// shown never has them) and follow the largest size painted so far; they are
// made again only when the window grows beyond them in some direction.
void KyWnd::GrowBuffers(int width, int height)
{
    if (backDc.Get() == nullptr)
        return;
    HDC windowDc = GetDC(hwnd);
    bool grown = backDc.SelectNewBitmap(windowDc, width, height);
    if (grown && HasSecondBuffer())
        grown = secondDc.SelectNewBitmap(windowDc, width, height);
    ReleaseDC(hwnd, windowDc);
    if (grown) {
        bufferWidth = width;
        bufferHeight = height;
    }
}

LRESULT KyWnd::OnPaintMessage()
{
    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(hwnd, &paint);
    const RECT area = paint.rcPaint;
    if (screen != nullptr && area.right > area.left && area.bottom > area.top) {
        HDC target = PaintTarget(screen);
        FillBackground(target, area);
        SetBkMode(target, TRANSPARENT);
        Paint(target, area);
        if (target != screen) {
            BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   target, area.left, area.top, SRCCOPY);
        }
    }
    EndPaint(hwnd, &paint);
    return 0;
}

// A double-buffered window composes its paint in the back buffer, unless
// the system already shows every paint whole: then the buffer would only
// cost a copy of each frame, and is kept only for children that copy their
// background out of it.
HDC KyWnd::PaintTarget(HDC screen)
{
    if (!IsDoubleBuffered() || backDc.Get() == nullptr)
        return screen;
    if (SystemComposesPaint() && !lendsBackBuffer)
        return screen;
    RECT client{};
    GetClientRect(hwnd, &client);
    if (client.right > bufferWidth || client.bottom > bufferHeight)
        GrowBuffers(client.right, client.bottom);
    return backDc.Get();
}

// A child with a background surface shows what its parent's surface holds
// beneath it; anything else starts from white.
void KyWnd::FillBackground(HDC target, const RECT& area)
{
    if (parentHwnd != nullptr && backgroundDc != nullptr) {
        POINT corner{area.left, area.top};
        ClientToScreen(hwnd, &corner);
        ScreenToClient(parentHwnd, &corner);
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
               backgroundDc, corner.x, corner.y, SRCCOPY);
        return;
    }
    FillRect(target, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

LRESULT KyWnd::OnShowWindowMessage(WPARAM wParam, LPARAM lParam)
{
    if (wParam != 0 && !shownOnce) {
        shownOnce = true;
        PostMessageW(hwnd, KYWM_SHOWN, 0, 0);
    }
    return HandleMessage(WM_SHOWWINDOW, wParam, lParam);
}

LRESULT KyWnd::OnGetMinMaxInfoMessage(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefWindowProcW(hwnd, WM_GETMINMAXINFO, wParam, lParam);
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (info != nullptr)
        info->ptMinTrackSize = POINT{minTrackWidth, minTrackHeight};
    return result;
}

LRESULT KyWnd::OnTimerMessage(WPARAM wParam, LPARAM lParam)
{
    if (wParam != kBaseTimerId)
        return HandleMessage(WM_TIMER, wParam, lParam);
    if (OnBaseTimer())
        KillTimer(hwnd, kBaseTimerId);
    return 0;
}

LRESULT KyWnd::OnMouseMoveMessage(WPARAM wParam, LPARAM lParam)
{
    if (WantsMouseLeave() && !trackingLeave) {
        TRACKMOUSEEVENT request{};
        request.cbSize = sizeof(request);
        request.dwFlags = TME_LEAVE;
        request.hwndTrack = hwnd;
        request.dwHoverTime = 0;
        // On failure the request is simply repeated on the next move.
        if (_TrackMouseEvent(&request))
            trackingLeave = true;
    }
    return HandleMessage(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT KyWnd::OnLButtonDownMessage(WPARAM wParam, LPARAM lParam)
{
    // Keys follow the last press, whether or not it is captured.
    SetFocus(hwnd);
    if (!captured && CaptureOnPress(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
        SetCapture(hwnd);
        captured = true;
    }
    return HandleMessage(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT KyWnd::OnLButtonUpMessage(WPARAM wParam, LPARAM lParam)
{
    if (captured) {
        ReleaseCapture();
        captured = false;
    }
    return HandleMessage(WM_LBUTTONUP, wParam, lParam);
}

LRESULT KyWnd::OnRestoreMessage()
{
    ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
    return 0;
}
