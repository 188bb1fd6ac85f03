// A display without a screen: native windows are records, presenting does
// nothing (the top-level surfaces hold the pixels), and events arrive only
// when a test injects them through platform/user/Input.h.
//
// Implements: windows (as records), title, icon, minimum size, maximise,
// present (no-op), the windows' own pixels (freed when asked for anew, as a
// real display does, so a stale use shows under the address sanitizer),
// events (none; waiting sleeps on the real clock),
// a 1920 x 1080 screen with a 40-pixel task bar, clipboard text (kept).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/display/DisplayBackend.h"

namespace platform {

class HeadlessBackend : public DisplayBackend {
public:
    struct NativeWindow {
        bool visible = false;
        RECT rect = {};
        RECT shownAt = {};  // `rect` when last shown
        std::wstring title;
        HICON bigIcon = nullptr;
        HICON smallIcon = nullptr;
        SIZE minimum = {};
        bool maximized = false;
        unsigned presents = 0;
        std::vector<uint32_t> pixels;  // what NativeSurface handed out
        bool pixelsThrownAway = false;  // Present refuses them, as SDL after a resize
    };

    bool CreateNativeWindow(HWND window, int width, int height) override;
    void DestroyNativeWindow(HWND window) override;
    void ShowNativeWindow(HWND window, bool visible) override;
    void MoveNativeWindow(HWND window, int x, int y, int width, int height) override;
    void SetNativeTitle(HWND window, const wchar_t* title) override;
    void SetNativeIcon(HWND window, HICON icon, bool big) override;
    void SetNativeMinimumSize(HWND window, int width, int height) override;
    void SetNativeMaximized(HWND window, bool maximized) override;
    void RaiseNativeWindow(HWND window) override;
    bool Present(HWND window, cairo_surface_t* surface, const RECT& area) override;
    cairo_surface_t* NativeSurface(HWND window, int width, int height) override;
    bool WaitEvents(DWORD timeoutMs) override;
    RECT ScreenRect() override;
    RECT WorkArea() override;
    bool SetClipboardText(const wchar_t* text) override;
    bool ReadClipboardText(std::wstring* text) override;

    // What the display was told, for tests. Null for an unknown window.
    const NativeWindow* Native(HWND window) const;
    // Throws the window's own pixels away, as SDL does when it learns of a new size.
    void ThrowPixelsAway(HWND window);
    const std::wstring& ClipboardText() const { return clipboard; }

    static HeadlessBackend& Instance();

private:
    std::map<HWND, NativeWindow> windows;
    std::wstring clipboard;
};

}  // namespace platform
