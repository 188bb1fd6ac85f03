// Real windows through SDL2: one SDL window per top-level window, presented
// from its window surface (no GPU: SDL's OpenGL probe alone would double the
// start-up time and quadruple memory), native events turned into USER input.
//
// Implements: windows, title, icon, minimum size, maximise and restore,
// present (dirty rectangle only), pointer, buttons, wheel, keys, text input
// (input methods), close button, moves and resizes by the window manager,
// activation, screen and work area, the arrow cursor, clipboard text.
// Windows are s times their logical size (platform/display/DisplayScale.h);
// positions, sizes and the screen reach USER divided back to logical pixels.
#pragma once

#include <SDL.h>

#include <map>
#include <set>
#include <string>

#include "platform/display/DisplayBackend.h"

namespace platform {

class SdlDisplay : public DisplayBackend {
public:
    // Called when a top-level window cannot be made: the program cannot show
    // anything, so it must not go on waiting for input that never comes.
    using NoWindowHandler = void (*)(const char* reason);

    explicit SdlDisplay(NoWindowHandler onNoWindow);
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    // Connects to the display; false (with SDL's reason) when there is none.
    bool Open(std::string* reason);

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

private:
    struct Native {
        SDL_Window* sdl = nullptr;
        bool hasBigIcon = false;
        void* pixels = nullptr;  // the window surface's pixels USER draws on, if it does
        bool shown = false;
        SDL_Rect place{0, 0, 1, 1};  // where USER last put it, in device pixels
        bool placed = true;          // SDL has been told of `place`
        SDL_Point minimum{0, 0};
    };

    // Tells SDL where the window is now, if it does not know yet.
    void Place(Native& native);
    SDL_Window* SdlWindow(HWND window) const;
    HWND WindowFor(Uint32 sdlId) const;
    void Dispatch(const SDL_Event& event);
    void DispatchWindowEvent(HWND window, const SDL_WindowEvent& event);
    void DispatchKey(HWND window, const SDL_KeyboardEvent& event);
    void ReleaseHeldKeys(HWND window);

    NoWindowHandler onNoWindow;
    bool open = false;
    SDL_Cursor* arrow = nullptr;
    std::map<HWND, Native> windows;
    std::map<Uint32, HWND> byId;
    std::set<UINT> heldKeys;    // keys reported down, released when focus goes
    RECT workArea{};
    bool workAreaKnown = false;
};

}  // namespace platform
