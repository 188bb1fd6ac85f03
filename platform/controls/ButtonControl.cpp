#include "platform/controls/ButtonControl.h"

#include <string>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/Procedures.h"

namespace platform::controls {

LRESULT ButtonControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Press(); return 0;
    case WM_MOUSEMOVE: Track(wParam, x, y); return 0;
    case WM_LBUTTONUP: Release(Inside(x, y)); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !held) Press();
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) Release(true);
        return 0;
    case WM_CAPTURECHANGED: CaptureLost(); return 0;
    case WM_SETFOCUS:
        focused = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_KILLFOCUS:
        focused = false;
        if (held && GetCapture() == hwnd) ReleaseCapture();
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case BM_SETSTATE: SetPushed(wParam != 0); return 0;
    case BM_GETSTATE: return (pushed ? BST_PUSHED : 0) | (focused ? BST_FOCUS : 0);
    case BM_CLICK: {
        // The press may destroy the button (and this object) through the
        // focus change; the release then goes to a dead handle and is dropped.
        HWND window = hwnd;
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(window, WM_LBUTTONUP, 0, 0);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void ButtonControl::Press()
{
    HWND window = hwnd;
    SetCapture(window);
    SetFocus(window);
    if (StateOf<ButtonControl>(window) != this) return;
    held = true;
    SetPushed(true);
}

void ButtonControl::Track(WPARAM keys, int x, int y)
{
    if (!held || !(keys & MK_LBUTTON) || GetCapture() != hwnd) return;
    SetPushed(Inside(x, y));
}

void ButtonControl::Release(bool inside)
{
    if (!held) return;
    held = false;
    bool click = pushed && inside;
    SetPushed(false);
    HWND window = hwnd;
    if (GetCapture() == window) ReleaseCapture();
    // The parent may destroy the button while it handles the click.
    if (click && IsWindow(window)) NotifyParent(window, BN_CLICKED);
}

void ButtonControl::CaptureLost()
{
    if (!held) return;
    held = false;
    SetPushed(false);
}

void ButtonControl::SetPushed(bool down)
{
    if (down == pushed) return;
    pushed = down;
    InvalidateRect(hwnd, nullptr, TRUE);
}

bool ButtonControl::Inside(int x, int y) const
{
    RECT client;
    GetClientRect(hwnd, &client);
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

void ButtonControl::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    RECT face = client;
    if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON) {
        Frame(dc, face, colour::kText, colour::kText);
        face = RECT{face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
    }
    ButtonFace(dc, face, pushed);

    int length = GetWindowTextLengthW(hwnd);
    if (length > 0) {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        length = GetWindowTextW(hwnd, text.data(), length + 1);
        RECT area{face.left + 2, face.top + 2, face.right - 2, face.bottom - 2};
        if (pushed) area = RECT{area.left + 1, area.top + 1, area.right + 1, area.bottom + 1};
        Selected withFont(dc, FontOrDefault(font));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(hwnd) ? colour::kText : colour::kGrayText);
        DrawTextW(dc, text.c_str(), length, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (focused) FocusDots(dc, RECT{face.left + 3, face.top + 3, face.right - 3, face.bottom - 3});
    EndPaint(hwnd, &ps);
}

}  // namespace platform::controls
