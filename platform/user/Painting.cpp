// Update regions are kept as bounding rectangles: enough for a program that
// repaints what it is asked to, at the price of painting a little more.
#include "platform/user/Painting.h"
#include "platform/kernel/FaultInjection.h"

#include <cairo.h>

#include <algorithm>

#include "platform/display/DisplayBackend.h"
#include "platform/display/DisplayScale.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Rects.h"

namespace platform::user {
namespace {

HWND FindNeedingPaint(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE)) return nullptr;
    if (!Empty(w->update)) return hwnd;
    for (HWND c : w->children)
        if (HWND found = FindNeedingPaint(c)) return found;
    return nullptr;
}

void PaintTree(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || !IsShownOnScreen(*w)) return;
    if (!Empty(w->update)) Send(hwnd, WM_PAINT, 0, 0);
    w = Find(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) PaintTree(c);
}

// A new window shows white until it paints, whatever the system leaves;
// after a resize what was there before stays where it fits.
void PaintOver(cairo_surface_t* surface, cairo_surface_t* before)
{
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (before) {
        cairo_set_source_surface(cr, before, 0, 0);
        cairo_paint(cr);
    }
    cairo_destroy(cr);
}

cairo_surface_t* CopyOf(cairo_surface_t* surface)
{
    cairo_surface_t* copy = cairo_surface_create_similar_image(surface, CAIRO_FORMAT_RGB24,
                                                               cairo_image_surface_get_width(surface),
                                                               cairo_image_surface_get_height(surface));
    cairo_t* cr = cairo_create(copy);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    return copy;
}

// A window larger than the screen cannot be seen beyond it, so its surface
// stops there, as Windows stops the window at its largest tracking size;
// a 32767-pixel square would otherwise ask for gigabytes. The surface holds
// the client area at the display's scale.
SIZE SurfaceSize(const Window& top)
{
    const RECT screen = platform::Display().ScreenRect();
    const LONG width = std::min<LONG>(Width(top), std::max<LONG>(screen.right - screen.left, 1));
    const LONG height = std::min<LONG>(Height(top), std::max<LONG>(screen.bottom - screen.top, 1));
    if (width <= 0 || height <= 0) return SIZE{1, 1};
    const double scale = platform::DisplayScale();
    return SIZE{platform::ToDevice(width, scale), platform::ToDevice(height, scale)};
}

// The native window's own pixels when the display has them at this size,
// so that presenting copies nothing; else pixels of our own.
void GiveSurface(Window& top, cairo_surface_t* before)
{
    // An injected failure gives what cairo gives when memory runs out: a surface in an error state.
    if (faults::ShouldFail(faults::Site::Surface)) {
        top.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, -1, -1);
        return;
    }
    const SIZE size = SurfaceSize(top);
    if (top.hasNative) top.surface = platform::Display().NativeSurface(top.handle, size.cx, size.cy);
    top.nativeSurface = top.surface != nullptr;
    if (!top.surface) top.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.cx, size.cy);
    PaintOver(top.surface, before);
    // The native pixels start out as anything: all of them must be shown.
    if (top.nativeSurface) MarkDirty(top, ClientRectOf(top));
}

// A native window's pixels go when the display is asked for new ones or
// the window goes, and nothing may draw on them after that.
void LetGoOfSurface(Window& top)
{
    if (!top.surface) return;
    if (top.nativeSurface) DetachWindowDcs(top.surface);
    cairo_surface_destroy(top.surface);
    top.surface = nullptr;
    top.nativeSurface = false;
}

}  // namespace

void Invalidate(Window& w, const RECT& area, bool erase)
{
    if (!IsShownOnScreen(w)) return;
    RECT r = Intersect(area, ClientRectOf(w));
    if (Empty(r)) return;
    w.update = Union(w.update, r);
    w.eraseNeeded = w.eraseNeeded || erase;
    if (w.style & WS_CLIPCHILDREN) return;
    for (HWND c : w.children) {
        Window* child = Find(c);
        if (child) Invalidate(*child, Offset(r, -child->rect.left, -child->rect.top), erase);
    }
}

HWND NextWindowToPaint(HWND filter)
{
    if (filter) return FindNeedingPaint(filter);
    for (HWND top : TopLevels())
        if (HWND found = FindNeedingPaint(top)) return found;
    return nullptr;
}

cairo_surface_t* SurfaceFor(Window& top)
{
    if (top.surface) return top.surface;
    // What is drawn on a window never shown cannot be seen, and showing it
    // paints it in full; until then its DCs (asked for to make compatible
    // ones, mostly) draw on nothing, and the surface is made once, at the
    // size the window is shown at.
    if (!(top.style & WS_VISIBLE)) {
        static cairo_surface_t* nowhere = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
        return nowhere;
    }
    GiveSurface(top, nullptr);
    return top.surface;
}

void RenewSurface(Window& top)
{
    if (!top.surface) return;
    cairo_surface_t* before = cairo_surface_reference(top.surface);
    // Native pixels do not outlive the request for new ones: keep a copy.
    if (top.nativeSurface) {
        cairo_surface_t* copy = CopyOf(before);
        cairo_surface_destroy(before);
        before = copy;
    }
    LetGoOfSurface(top);
    top.dirty = Intersect(top.dirty, ClientRectOf(top));
    GiveSurface(top, before);
    cairo_surface_destroy(before);
}

void DestroySurface(Window& top) { LetGoOfSurface(top); }

RECT VisibleSurfaceRect(const Window& w)
{
    POINT o = SurfaceOrigin(w);
    RECT visible = Offset(ClientRectOf(w), o.x, o.y);
    for (const Window* up = Find(w.parent); up; up = Find(up->parent)) {
        POINT uo = SurfaceOrigin(*up);
        visible = Intersect(visible, Offset(ClientRectOf(*up), uo.x, uo.y));
    }
    return visible;
}

void MarkDirty(Window& top, const RECT& area)
{
    if (!top.surface) return;  // drawn on nothing (never shown)
    top.dirty = Union(top.dirty, Intersect(area, ClientRectOf(top)));
}

void PresentDirtyAreas()
{
    for (HWND hwnd : TopLevels()) {
        Window* top = Find(hwnd);
        if (!top || Empty(top->dirty) || !top->surface) continue;
        const double scale = platform::DisplayScale();
        const RECT& dirty = top->dirty;
        RECT area{platform::ToDevice(dirty.left, scale), platform::ToDevice(dirty.top, scale),
                  platform::ToDevice(dirty.right, scale), platform::ToDevice(dirty.bottom, scale)};
        top->dirty = RECT{};
        if (!top->hasNative || !(top->style & WS_VISIBLE)) continue;
        cairo_surface_flush(top->surface);
        if (platform::Display().Present(hwnd, top->surface, area)) continue;
        // The display threw its pixels away: draw on new ones, all of it shown.
        RenewSurface(*top);
        const RECT all = ClientRectOf(*top);
        cairo_surface_flush(top->surface);
        platform::Display().Present(hwnd, top->surface,
                                    RECT{0, 0, platform::ToDevice(all.right, scale), platform::ToDevice(all.bottom, scale)});
        top->dirty = RECT{};
    }
}

}  // namespace platform::user

using namespace platform::user;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    if (!hwnd) {
        for (HWND top : std::vector<HWND>(TopLevels()))
            if (Window* w = Find(top)) Invalidate(*w, ClientRectOf(*w), erase);
        return TRUE;
    }
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    Invalidate(*w, rect ? *rect : ClientRectOf(*w), erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    if (!rect) {
        w->update = RECT{};
        w->eraseNeeded = false;
        return TRUE;
    }
    // With a bounding rectangle only a cut across the whole width or height
    // can shrink it; anything else keeps the rectangle (more is painted).
    RECT& u = w->update;
    const RECT& v = *rect;
    if (v.left <= u.left && v.right >= u.right) {
        if (v.top <= u.top && v.bottom >= u.bottom) u = RECT{};
        else if (v.top <= u.top && v.bottom > u.top) u.top = v.bottom;
        else if (v.bottom >= u.bottom && v.top < u.bottom) u.bottom = v.top;
    } else if (v.top <= u.top && v.bottom >= u.bottom) {
        if (v.left <= u.left && v.right > u.left) u.left = v.right;
        else if (v.right >= u.right && v.left < u.right) u.right = v.left;
    }
    if (Empty(u)) {
        u = RECT{};
        w->eraseNeeded = false;
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->update;
    return !Empty(w->update);
}

BOOL UpdateWindow(HWND hwnd)
{
    if (!Find(hwnd)) return FALSE;
    PaintTree(hwnd);
    return TRUE;
}
