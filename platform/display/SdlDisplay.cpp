#include "platform/display/SdlDisplay.h"

#include <cairo.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "platform/display/DisplayScale.h"
#include "platform/display/SdlKeys.h"
#include "platform/display/SessionBus.h"
#include "platform/kernel/WideText.h"
#include "platform/user/Icon.h"
#include "platform/user/Input.h"
#include "platform/user/UserConstants.h"

namespace platform {
namespace {

// SDL speaks in screen pixels, USER in logical ones.
int Device(int logical) { return ToDevice(logical, DisplayScale()); }
int Logical(int device) { return ToLogical(device, DisplayScale()); }

RECT ToRect(const SDL_Rect& r) { return RECT{Logical(r.x), Logical(r.y), Logical(r.x + r.w), Logical(r.y + r.h)}; }

std::string Utf8(const wchar_t* text) { return platform::kernel::Utf8FromWide(text ? text : L""); }

// Linux 5.14's advice to fault a range in, writable, in one call.
constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE

// USER paints every pixel of new window pixels straight away. Faulting
// their pages in with one call costs far less than a trap for each page (a
// thousand for a 1280 x 800 window), on a virtual machine most of all. An
// older kernel refuses the advice, and the pages come one by one as before.
void FaultInForWriting(void* start, size_t bytes)
{
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t first = reinterpret_cast<uintptr_t>(start) / page * page;
    const uintptr_t end = reinterpret_cast<uintptr_t>(start) + bytes;
    madvise(reinterpret_cast<void*>(first), end - first, kPopulateWrite);
}

input::Button ButtonFor(Uint8 sdlButton)
{
    if (sdlButton == SDL_BUTTON_RIGHT) return input::Button::Right;
    if (sdlButton == SDL_BUTTON_MIDDLE) return input::Button::Middle;
    return input::Button::Left;
}

}  // namespace

SdlDisplay::SdlDisplay(NoWindowHandler onNoWindow) : onNoWindow(onNoWindow) {}

SdlDisplay::~SdlDisplay()
{
    if (!open) return;
    for (auto& [hwnd, native] : windows) SDL_DestroyWindow(native.sdl);
    if (arrow) SDL_FreeCursor(arrow);
    SDL_Quit();
}

bool SdlDisplay::Open(std::string* reason)
{
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Ctrl+C in a terminal should end the program, not become a quit event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A click that activates the window is also a click, as on Windows.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Without any display SDL's probing only adds noise on stderr.
    if (SDL_getenv("SDL_VIDEODRIVER") == nullptr && SDL_getenv("DISPLAY") == nullptr &&
        SDL_getenv("WAYLAND_DISPLAY") == nullptr) {
        if (reason) *reason = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        return false;
    }
    // On an X display go straight to X11: probing Wayland first only prints
    // complaints about a missing XDG_RUNTIME_DIR.
    if (SDL_getenv("SDL_VIDEODRIVER") == nullptr && SDL_getenv("DISPLAY") != nullptr &&
        SDL_getenv("WAYLAND_DISPLAY") == nullptr) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }
    KeepSessionBusFromAutolaunching();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        if (reason) *reason = SDL_GetError();
        return false;
    }
    // With no display SDL falls back to its invisible drivers on its own; a
    // program nobody can see would then run for ever. Only an explicit
    // SDL_VIDEODRIVER may choose them.
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool invisible = driver != nullptr && (SDL_strcmp(driver, "offscreen") == 0 ||
                                                 SDL_strcmp(driver, "dummy") == 0);
    if (invisible && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
        SDL_Quit();
        if (reason) *reason = "only an invisible video driver is available";
        return false;
    }
    open = true;
    arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (arrow) SDL_SetCursor(arrow);
    SDL_StartTextInput();
    return true;
}

SDL_Window* SdlDisplay::SdlWindow(HWND window) const
{
    auto it = windows.find(window);
    return it == windows.end() ? nullptr : it->second.sdl;
}

HWND SdlDisplay::WindowFor(Uint32 sdlId) const
{
    auto it = byId.find(sdlId);
    return it == byId.end() ? nullptr : it->second;
}

bool SdlDisplay::CreateNativeWindow(HWND window, int width, int height)
{
    SDL_Window* sdl = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, Device(std::max(width, 1)),
                                       Device(std::max(height, 1)), SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!sdl) {
        if (onNoWindow) onNoWindow(SDL_GetError());
        return false;
    }
    windows[window].sdl = sdl;
    byId[SDL_GetWindowID(sdl)] = window;
    return true;
}

void SdlDisplay::DestroyNativeWindow(HWND window)
{
    auto it = windows.find(window);
    if (it == windows.end()) return;
    // Events still queued for it find no window and are dropped.
    byId.erase(SDL_GetWindowID(it->second.sdl));
    SDL_DestroyWindow(it->second.sdl);
    windows.erase(it);
}

void SdlDisplay::ShowNativeWindow(HWND window, bool visible)
{
    auto it = windows.find(window);
    if (it == windows.end()) return;
    Native& native = it->second;
    if (visible) {
        Place(native);
        SDL_ShowWindow(native.sdl);
    } else {
        SDL_HideWindow(native.sdl);
    }
    native.shown = visible;
}

void SdlDisplay::MoveNativeWindow(HWND window, int x, int y, int width, int height)
{
    auto it = windows.find(window);
    if (it == windows.end()) return;
    Native& native = it->second;
    native.place = SDL_Rect{Device(x), Device(y), Device(std::max(width, 1)), Device(std::max(height, 1))};
    native.placed = false;
    // SDL waits on the X server after each move and each size; a hidden
    // window need only be where it belongs once it is seen or drawn on.
    if (native.shown) Place(native);
}

void SdlDisplay::Place(Native& native)
{
    if (native.placed) return;
    native.placed = true;
    SDL_SetWindowPosition(native.sdl, native.place.x, native.place.y);
    // Setting the size it already has still makes SDL throw its pixels away.
    int currentWidth = 0, currentHeight = 0;
    SDL_GetWindowSize(native.sdl, &currentWidth, &currentHeight);
    if (native.place.w != currentWidth || native.place.h != currentHeight)
        SDL_SetWindowSize(native.sdl, native.place.w, native.place.h);
}

void SdlDisplay::SetNativeTitle(HWND window, const wchar_t* title)
{
    if (SDL_Window* sdl = SdlWindow(window)) SDL_SetWindowTitle(sdl, Utf8(title).c_str());
}

void SdlDisplay::SetNativeIcon(HWND window, HICON icon, bool big)
{
    auto it = windows.find(window);
    if (it == windows.end()) return;
    // SDL keeps one icon per window: the big one, or the small one until a big one comes.
    if (!big && it->second.hasBigIcon) return;
    const platform::user::IconImage* image = platform::user::IconImageNear(icon, big ? 48 : 16);
    if (!image || image->pixels.empty()) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(image->pixels.data()), image->width,
                                                              image->height, 32, image->width * 4,
                                                              SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(it->second.sdl, surface);
    SDL_FreeSurface(surface);
    if (big) it->second.hasBigIcon = true;
}

void SdlDisplay::SetNativeMinimumSize(HWND window, int width, int height)
{
    auto it = windows.find(window);
    if (it == windows.end()) return;
    // USER asks again whenever it sizes the window; each ask costs X round trips.
    const SDL_Point minimum{Device(std::max(width, 1)), Device(std::max(height, 1))};
    if (minimum.x == it->second.minimum.x && minimum.y == it->second.minimum.y) return;
    it->second.minimum = minimum;
    SDL_SetWindowMinimumSize(it->second.sdl, minimum.x, minimum.y);
}

void SdlDisplay::SetNativeMaximized(HWND window, bool maximized)
{
    if (SDL_Window* sdl = SdlWindow(window)) maximized ? SDL_MaximizeWindow(sdl) : SDL_RestoreWindow(sdl);
}

void SdlDisplay::RaiseNativeWindow(HWND window)
{
    if (SDL_Window* sdl = SdlWindow(window)) SDL_RaiseWindow(sdl);
}

cairo_surface_t* SdlDisplay::NativeSurface(HWND window, int width, int height)
{
    auto it = windows.find(window);
    if (it == windows.end()) return nullptr;
    Native& native = it->second;
    // SDL throws a window's pixels away when it learns of a new size, which
    // a size set a moment ago may still be on its way to tell: let it learn
    // first, so that these pixels last.
    Place(native);
    SDL_PumpEvents();
    // Made anew here when SDL has thrown the last one away.
    SDL_Surface* screen = SDL_GetWindowSurface(native.sdl);
    native.pixels = nullptr;
    if (!screen || screen->w != width || screen->h != height || SDL_MUSTLOCK(screen) ||
        (screen->format->format != SDL_PIXELFORMAT_RGB888 && screen->format->format != SDL_PIXELFORMAT_ARGB8888)) {
        return nullptr;
    }
    cairo_surface_t* surface = cairo_image_surface_create_for_data(static_cast<unsigned char*>(screen->pixels),
                                                                   CAIRO_FORMAT_RGB24, width, height, screen->pitch);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    FaultInForWriting(screen->pixels, static_cast<size_t>(screen->pitch) * screen->h);
    native.pixels = screen->pixels;
    return surface;
}

bool SdlDisplay::Present(HWND window, cairo_surface_t* surface, const RECT& area)
{
    auto it = windows.find(window);
    if (it == windows.end() || !surface) return true;
    SDL_Window* sdl = it->second.sdl;
    cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return true;
    SDL_Rect rect{static_cast<int>(area.left), static_cast<int>(area.top), static_cast<int>(area.right - area.left),
                  static_cast<int>(area.bottom - area.top)};
    if (it->second.pixels) {
        // Drawn straight into the window's own pixels: only the update is
        // left. SDL refuses it when it has thrown those pixels away, which
        // it does whenever the window changes size.
        if (cairo_image_surface_get_data(surface) != it->second.pixels) return true;
        SDL_Rect bounds{0, 0, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)};
        SDL_Rect dirty;
        if (!SDL_IntersectRect(&rect, &bounds, &dirty)) return true;
        return SDL_UpdateWindowSurfaceRects(sdl, &dirty, 1) == 0;
    }
    // The window surface changes with the window's size: ask for it each time.
    SDL_Surface* screen = SDL_GetWindowSurface(sdl);
    if (!screen) return true;
    cairo_surface_flush(surface);
    int width = cairo_image_surface_get_width(surface);
    int height = cairo_image_surface_get_height(surface);
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface), width, height, 32,
                                                             cairo_image_surface_get_stride(surface),
                                                             format == CAIRO_FORMAT_RGB24 ? SDL_PIXELFORMAT_RGB888
                                                                                          : SDL_PIXELFORMAT_ARGB8888);
    if (!source) return true;
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_Rect bounds{0, 0, std::min(width, screen->w), std::min(height, screen->h)};
    SDL_Rect dirty;
    if (SDL_IntersectRect(&rect, &bounds, &dirty)) {
        SDL_Rect target = dirty;
        SDL_BlitSurface(source, &dirty, screen, &target);
        SDL_UpdateWindowSurfaceRects(sdl, &dirty, 1);
    }
    SDL_FreeSurface(source);
    return true;
}

bool SdlDisplay::WaitEvents(DWORD timeoutMs)
{
    workAreaKnown = false;
    SDL_Event event;
    bool got;
    if (timeoutMs == 0) got = SDL_PollEvent(&event);
    else if (timeoutMs == INFINITE) got = SDL_WaitEvent(&event);
    else got = SDL_WaitEventTimeout(&event, static_cast<int>(std::min<DWORD>(timeoutMs, INT_MAX)));
    // Everything already queued is reported at once, so one wait serves a burst.
    while (got) {
        Dispatch(event);
        got = SDL_PollEvent(&event);
    }
    return true;
}

void SdlDisplay::Dispatch(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_WINDOWEVENT:
        if (HWND w = WindowFor(e.window.windowID)) DispatchWindowEvent(w, e.window);
        break;
    case SDL_MOUSEMOTION:
        if (HWND w = WindowFor(e.motion.windowID)) input::PointerMoved(w, Logical(e.motion.x), Logical(e.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (HWND w = WindowFor(e.button.windowID)) input::ButtonPressed(w, Logical(e.button.x), Logical(e.button.y), ButtonFor(e.button.button));
        break;
    case SDL_MOUSEBUTTONUP:
        if (HWND w = WindowFor(e.button.windowID)) input::ButtonReleased(w, Logical(e.button.x), Logical(e.button.y), ButtonFor(e.button.button));
        break;
    case SDL_MOUSEWHEEL:
        // Touchpads and fine wheels turn by fractions of a notch; Windows
        // passes those on as parts of 120 and leaves the adding up to the program.
        if (HWND w = WindowFor(e.wheel.windowID)) {
            const float notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.preciseY : e.wheel.preciseY;
            const float turned = notches * WHEEL_DELTA;
            const long delta = std::isfinite(turned) ? std::lround(std::clamp(turned, -32768.0f, 32767.0f)) : 0;
            if (delta != 0) {
                int x = 0, y = 0;
                SDL_GetMouseState(&x, &y);
                input::WheelTurned(w, Logical(x), Logical(y), static_cast<int>(delta));
            }
        }
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (HWND w = WindowFor(e.key.windowID)) DispatchKey(w, e.key);
        break;
    case SDL_TEXTINPUT:
        if (HWND w = WindowFor(e.text.windowID)) input::TextTyped(w, platform::kernel::WideFromUtf8(e.text.text).c_str());
        break;
    default:
        // SDL_QUIT follows the close of the last window, which the close
        // button's WM_CLOSE already handles.
        break;
    }
}

void SdlDisplay::DispatchWindowEvent(HWND w, const SDL_WindowEvent& e)
{
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE: input::CloseRequested(w); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
        input::Resized(w, Logical(e.data1), Logical(e.data2));
        // USER draws on pixels of its own while the window's did not fit;
        // now they may.
        auto it = windows.find(w);
        if (it != windows.end() && !it->second.pixels) input::PixelsRemade(w);
        break;
    }
    case SDL_WINDOWEVENT_MOVED: input::Moved(w, Logical(e.data1), Logical(e.data2)); break;
    case SDL_WINDOWEVENT_MAXIMIZED: input::MaximizedChanged(w, true); break;
    case SDL_WINDOWEVENT_RESTORED: input::MaximizedChanged(w, false); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: input::ActivationChanged(w, true); break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        ReleaseHeldKeys(w);
        input::ActivationChanged(w, false);
        break;
    case SDL_WINDOWEVENT_LEAVE: input::PointerLeft(w); break;
    case SDL_WINDOWEVENT_EXPOSED:
        // The window surface still holds the last frame: show it again.
        if (SDL_Window* sdl = SdlWindow(w)) SDL_UpdateWindowSurface(sdl);
        break;
    default: break;
    }
}

void SdlDisplay::DispatchKey(HWND w, const SDL_KeyboardEvent& e)
{
    UINT vk = VirtualKeyFor(e.keysym.sym);
    if (!vk) return;
    if (e.type == SDL_KEYDOWN) {
        heldKeys.insert(vk);
        input::KeyPressed(w, vk);  // auto-repeat comes as further presses, as on Windows
    } else {
        heldKeys.erase(vk);
        input::KeyReleased(w, vk);
    }
}

// Keys released while another window has the focus never reach us: without
// this, Alt would stay down after Alt+Tab and turn every key into a system key.
void SdlDisplay::ReleaseHeldKeys(HWND w)
{
    std::set<UINT> held;
    held.swap(heldKeys);
    for (UINT vk : held) input::KeyReleased(w, vk);
}

RECT SdlDisplay::ScreenRect()
{
    SDL_Rect r{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(0, &r) != 0) return RECT{0, 0, 1024, 768};
    return ToRect(r);
}

RECT SdlDisplay::WorkArea()
{
    // Asked for at every sizing of a top-level window, and each ask is a
    // round trip to the X server: asked once between waits for events, as
    // a change to the panels can only be learned of by waiting.
    if (!workAreaKnown) {
        SDL_Rect r{0, 0, 0, 0};
        workArea = SDL_GetDisplayUsableBounds(0, &r) == 0 ? ToRect(r) : ScreenRect();
        workAreaKnown = true;
    }
    return workArea;
}

bool SdlDisplay::SetClipboardText(const wchar_t* text)
{
    return text && SDL_SetClipboardText(Utf8(text).c_str()) == 0;
}

bool SdlDisplay::ReadClipboardText(std::wstring* text)
{
    if (!text) return false;
    // SDL gives an empty text, never null, when the clipboard holds no text.
    char* utf8 = SDL_GetClipboardText();
    *text = platform::kernel::WideFromUtf8(utf8 ? utf8 : "");
    SDL_free(utf8);
    return true;
}

}  // namespace platform
