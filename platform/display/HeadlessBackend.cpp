#include "platform/display/HeadlessBackend.h"

#include <cairo.h>

#include <chrono>
#include <thread>

#include "platform/user/Clock.h"

namespace platform {

HeadlessBackend& HeadlessBackend::Instance()
{
    static HeadlessBackend backend;
    return backend;
}

bool HeadlessBackend::CreateNativeWindow(HWND window, int width, int height)
{
    windows[window].rect = RECT{0, 0, width, height};
    return true;
}

void HeadlessBackend::DestroyNativeWindow(HWND window) { windows.erase(window); }

void HeadlessBackend::ShowNativeWindow(HWND window, bool visible)
{
    NativeWindow& native = windows[window];
    native.visible = visible;
    if (visible) native.shownAt = native.rect;
}

void HeadlessBackend::MoveNativeWindow(HWND window, int x, int y, int width, int height)
{
    windows[window].rect = RECT{x, y, x + width, y + height};
}

void HeadlessBackend::SetNativeTitle(HWND window, const wchar_t* title) { windows[window].title = title ? title : L""; }

void HeadlessBackend::SetNativeIcon(HWND window, HICON icon, bool big)
{
    (big ? windows[window].bigIcon : windows[window].smallIcon) = icon;
}

void HeadlessBackend::SetNativeMinimumSize(HWND window, int width, int height) { windows[window].minimum = SIZE{width, height}; }

void HeadlessBackend::SetNativeMaximized(HWND window, bool maximized) { windows[window].maximized = maximized; }

void HeadlessBackend::RaiseNativeWindow(HWND) {}

bool HeadlessBackend::Present(HWND window, cairo_surface_t* surface, const RECT&)
{
    NativeWindow& native = windows[window];
    ++native.presents;
    return !native.pixelsThrownAway || cairo_image_surface_get_data(surface) !=
                                           reinterpret_cast<unsigned char*>(native.pixels.data());
}

void HeadlessBackend::ThrowPixelsAway(HWND window)
{
    auto it = windows.find(window);
    if (it != windows.end()) it->second.pixelsThrownAway = true;
}

cairo_surface_t* HeadlessBackend::NativeSurface(HWND window, int width, int height)
{
    auto it = windows.find(window);
    if (it == windows.end() || width <= 0 || height <= 0) return nullptr;
    std::vector<uint32_t>& pixels = it->second.pixels;
    pixels = std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height));
    it->second.pixelsThrownAway = false;
    return cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.data()), CAIRO_FORMAT_RGB24,
                                               width, height, width * static_cast<int>(sizeof(uint32_t)));
}

bool HeadlessBackend::WaitEvents(DWORD timeoutMs)
{
    if (timeoutMs == 0) return true;
    // Nothing is ever injected while waiting: only real time can bring a timer due.
    if (timeoutMs == INFINITE || CurrentClock().IsManual()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
    return true;
}

RECT HeadlessBackend::ScreenRect() { return RECT{0, 0, 1920, 1080}; }

RECT HeadlessBackend::WorkArea() { return RECT{0, 0, 1920, 1040}; }

bool HeadlessBackend::SetClipboardText(const wchar_t* text)
{
    if (!text) return false;
    clipboard = text;
    return true;
}

// Nothing outside the process shares it.
bool HeadlessBackend::ReadClipboardText(std::wstring*) { return false; }

const HeadlessBackend::NativeWindow* HeadlessBackend::Native(HWND window) const
{
    auto it = windows.find(window);
    return it == windows.end() ? nullptr : &it->second;
}

}  // namespace platform
