// The state of every window, and the table from handle to window. Handles are
// never reused, so a stale handle simply finds nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/user/user.h"

typedef struct _cairo_surface cairo_surface_t;

namespace platform::user {

struct WindowClass;

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    std::vector<HWND> children;  // in z-order, topmost first
    RECT rect = {};              // window rectangle in the parent's client coordinates (screen for top-level)
    std::wstring text;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<unsigned char> extra;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    bool destroying = false;
    bool needSize = false;  // a top-level window gets its first WM_SIZE when shown
    bool maximized = false;
    RECT normalRect = {};   // where SW_RESTORE puts a maximised window back

    // Update region, kept as its bounding rectangle (client coordinates).
    RECT update = {};
    bool eraseNeeded = false;

    // Top-level windows only.
    cairo_surface_t* surface = nullptr;
    bool nativeSurface = false;  // `surface` is the native window's own pixels
    RECT dirty = {};  // surface pixels painted since the last present
    bool hasNative = false;
};

// The live window with that handle, or null.
Window* Find(HWND hwnd);
// Keeps a window alive across calls into window procedures that may destroy it.
std::shared_ptr<Window> Hold(HWND hwnd);
// Adds a new window and gives it its handle.
Window* Add(std::shared_ptr<Window> window);
// Removes a window from the table (its handle stops working).
void Remove(HWND hwnd);
// Top-level windows, oldest first.
const std::vector<HWND>& TopLevels();
unsigned Count();

// Geometry.
int Width(const Window& w);
int Height(const Window& w);
RECT ClientRectOf(const Window& w);   // (0, 0, width, height)
POINT ScreenOrigin(const Window& w);  // client origin in screen coordinates
Window* TopLevelOf(Window* w);
POINT SurfaceOrigin(const Window& w);  // client origin in the top-level's surface
bool IsShownOnScreen(const Window& w);  // visible itself and all its ancestors
bool IsAncestor(HWND ancestor, HWND hwnd);

}  // namespace platform::user
