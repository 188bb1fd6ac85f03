// Input to the view: creation and size, keys, the wheel, the mouse, timers and
// the skin buttons. Every message, whether the view acts on it or not, ends
// in DefWindowProcW.
#include "views/KyViewBase.h"

#include "context/AppContext.h"
#include "gdi/FontCache.h"
#include "views/ViewCommands.h"
#include "views/ViewLayout.h"
LRESULT KyViewBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        break;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        break;
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        break;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        break;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        break;
    case KYWM_BUTTONCLICK:
        OnButtonCommand(static_cast<int>(wParam));
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void KyViewBase::OnCreate()
{
    focalEdit = CreateEditControl(FontHandle(AppContext::Instance().font18), hwnd);
    buttons[0].Init(hwnd, L"左移", CMD_MOVE_LEFT, true);
    buttons[1].Init(hwnd, L"右移", CMD_MOVE_RIGHT, true);
    buttons[2].Init(hwnd, L"放大", CMD_ZOOM_IN, true);
    buttons[3].Init(hwnd, L"缩小", CMD_ZOOM_OUT, true);
    buttons[4].Init(hwnd, L"更新", CMD_UPDATE, false);
    Recompute();
    SetTimer(hwnd, REPEAT_TIMER, kRepeatPeriodMs, nullptr);
}

// The candle is not pulled back on screen here and the model is not
// recomputed: a resize moves the picture, not the scene.
void KyViewBase::OnSize(int width, int height)
{
    if (width == 0 || height == 0)
        return;
    clientWidth = width;
    clientHeight = height;
    const ViewLayout layout = LayOutView(isConvex, width, height);
    focalEditRect = layout.focalEdit;
    originX = layout.originX;
    originY = layout.originY;
    if (focalEdit != nullptr) {
        MoveWindow(focalEdit, focalEditRect.left, focalEditRect.top, focalEditRect.right - focalEditRect.left,
                   focalEditRect.bottom - focalEditRect.top, TRUE);
    }
    for (int i = 0; i < kButtonCount; ++i) {
        const RECT& r = layout.buttons[i];
        buttons[i].SetBounds(r.left, r.top, r.right, r.bottom);
    }
    statusRect = layout.status;
    RequestRedraw();
}

void KyViewBase::OnKeyDown(UINT key)
{
    switch (key) {
    case VK_LEFT:
        MoveObjectLeft();
        break;
    case VK_RIGHT:
        MoveObjectRight();
        break;
    case VK_UP:
        ZoomIn();
        break;
    case VK_DOWN:
        ZoomOut();
        break;
    default:
        break;
    }
}

// Turned away from the user, the wheel shows more of the scene. One zoom
// step per message, however many notches it carries; fractions of a notch
// wait until they add up to one.
void KyViewBase::OnWheel(int delta)
{
    const int notches = wheel.Add(delta);
    if (notches > 0)
        ZoomOut();
    else if (notches < 0)
        ZoomIn();
}

void KyViewBase::OnLButtonDown(int x, int y)
{
    if (!dragging && HitCandle(x, y)) {
        dragging = true;
        return;
    }
    for (SkinButton& button : buttons) {
        if (button.enabled && !button.pressed && button.Contains(x, y)) {
            button.pressed = true;
            InvalidateRect(hwnd, &button.rect, FALSE);
        }
    }
}

void KyViewBase::OnMouseMove(int x, int y)
{
    if (dragging)
        DragCandleTo(x);
    for (SkinButton& button : buttons)
        button.OnMouseMove(x, y);
}

void KyViewBase::OnLButtonUp(int x, int y)
{
    dragging = false;
    pressLost = false;
    for (SkinButton& button : buttons)
        button.OnLButtonUp(x, y);
}

// A press that leaves the window is dropped; a mere highlight stays.
void KyViewBase::OnMouseLeave()
{
    dragging = false;
    ReleasePressedButtons();
}

void KyViewBase::ReleasePressedButtons()
{
    for (SkinButton& button : buttons) {
        if (!button.pressed)
            continue;
        button.pressed = false;
        button.hover = false;
        InvalidateRect(hwnd, &button.rect, FALSE);
    }
}

// The framework gives up the capture just before a button-up reaches the
// view, and that release must still count; so a lost capture is only noted
// here, and a button-up clears the note before any repeat tick can see it.
void KyViewBase::OnCaptureChanged(HWND newCapture)
{
    if (newCapture != hwnd)
        pressLost = true;
}

void KyViewBase::OnTimer(UINT_PTR id)
{
    if (id != REPEAT_TIMER)
        return;
    if (pressLost) {
        pressLost = false;
        ReleasePressedButtons();
        return;
    }
    for (const SkinButton& button : buttons) {
        if (button.autoRepeat && button.pressed)
            PostMessageW(hwnd, KYWM_BUTTONCLICK, static_cast<WPARAM>(button.commandId), 0);
    }
}

void KyViewBase::OnButtonCommand(int command)
{
    switch (command) {
    case CMD_UPDATE:
        ApplyFocalLength();
        break;
    case CMD_MOVE_LEFT:
        MoveObjectLeft();
        break;
    case CMD_MOVE_RIGHT:
        MoveObjectRight();
        break;
    case CMD_ZOOM_IN:
        ZoomIn();
        break;
    case CMD_ZOOM_OUT:
        ZoomOut();
        break;
    default:
        break;
    }
}
