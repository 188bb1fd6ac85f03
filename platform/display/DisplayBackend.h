// What USER asks of a display: native top-level windows, presenting pixels,
// and native events. A backend only does what only it can do; USER owns all
// window state and validates every argument before calling in. A backend
// reports native events through the entry points of platform/user/Input.h.
//
// Backends: HeadlessBackend (in-memory, for tests; the default) and SDL2
// (real windows), chosen in one place with SetDisplayBackend.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

typedef struct _cairo_surface cairo_surface_t;

namespace platform {

struct DisplayBackend {
    virtual ~DisplayBackend() = default;

    // Native windows. `window` is the top-level HWND the native window stands for.
    virtual bool CreateNativeWindow(HWND window, int width, int height) = 0;  // hidden, client size given
    virtual void DestroyNativeWindow(HWND window) = 0;                       // also drops queued events for it
    virtual void ShowNativeWindow(HWND window, bool visible) = 0;            // map or unmap
    virtual void MoveNativeWindow(HWND window, int x, int y, int width, int height) = 0;  // client rect, screen coordinates
    virtual void SetNativeTitle(HWND window, const wchar_t* title) = 0;       // window-manager title
    virtual void SetNativeIcon(HWND window, HICON icon, bool big) = 0;         // ICON_BIG or ICON_SMALL image
    virtual void SetNativeMinimumSize(HWND window, int width, int height) = 0;  // smallest client size the user may drag to
    virtual void SetNativeMaximized(HWND window, bool maximized) = 0;         // maximise or restore
    virtual void RaiseNativeWindow(HWND window) = 0;                          // bring to the front and take input focus

    // Pixels.
    // Shows `area` (surface pixels) of the window's surface on the screen.
    // False when `surface` is the native window's own pixels and the display
    // has thrown them away (after a resize it made): USER then asks for new
    // ones and presents again.
    virtual bool Present(HWND window, cairo_surface_t* surface, const RECT& area) = 0;
    // The native window's own pixels as a `width` x `height` surface, so that
    // Present shows what is drawn there without copying it; null when the
    // backend has none of that size. Asking again, or destroying the native
    // window, takes those pixels away: USER lets go of the surface, and of
    // every DC drawing on it, before either. The caller owns the reference.
    virtual cairo_surface_t* NativeSurface(HWND window, int width, int height) = 0;

    // Events.
    // Waits at most `timeoutMs` (0: poll, INFINITE: until something arrives)
    // and reports what arrived through the Input.h entry points. Returns
    // false when nothing can ever arrive (a headless display with nothing
    // injected and no clock to wait for).
    virtual bool WaitEvents(DWORD timeoutMs) = 0;

    // Desktop.
    virtual RECT ScreenRect() = 0;  // the whole primary screen
    virtual RECT WorkArea() = 0;    // the screen minus panels and task bars

    // Clipboard.
    virtual bool SetClipboardText(const wchar_t* text) = 0;  // another program can then paste it
    // The desktop's text, whoever placed it (empty: none); false when there
    // is no desktop clipboard beyond this process.
    virtual bool ReadClipboardText(std::wstring* text) = 0;
};

// The display in use: the headless backend unless SetDisplayBackend chose another.
DisplayBackend& Display();

// Chooses the display; null returns to the headless backend. Call before
// the first window is created; the caller keeps ownership.
void SetDisplayBackend(DisplayBackend* backend);

}  // namespace platform
