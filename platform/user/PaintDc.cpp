// Window DCs: BeginPaint and GetDC hand GDI the top-level surface, offset to
// the window and clipped to what it may paint; what they cover is presented.
#include <algorithm>
#include <set>

#include "platform/display/DisplayScale.h"
#include "platform/gdi/SurfaceDc.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"

using namespace platform::user;

namespace {

// The DCs USER made and has not yet released.
std::set<HDC>& windowDcs()
{
    static std::set<HDC> dcs;
    return dcs;
}

HDC MakeDc(Window& w, const RECT& clientArea)
{
    Window* top = TopLevelOf(&w);
    cairo_surface_t* surface = SurfaceFor(*top);
    if (!surface) return nullptr;
    POINT origin = SurfaceOrigin(w);
    RECT clip = Intersect(Offset(clientArea, origin.x, origin.y), VisibleSurfaceRect(w));
    HDC dc = platform::CreateSurfaceDc(surface, origin, clip, platform::DisplayScale());
    if (!dc) return nullptr;
    windowDcs().insert(dc);
    MarkDirty(*top, clip);
    return dc;
}

bool ReleaseWindowDc(HDC dc)
{
    if (!windowDcs().erase(dc)) return false;
    platform::DestroySurfaceDc(dc);
    return true;
}

}  // namespace

void platform::user::DetachWindowDcs(cairo_surface_t* surface)
{
    for (HDC dc : windowDcs()) platform::DetachSurfaceDc(dc, surface);
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps)
{
    Window* w = Find(hwnd);
    if (!w || !ps) return nullptr;
    RECT area = Intersect(w->update, ClientRectOf(*w));
    bool erase = w->eraseNeeded;
    w->update = RECT{};
    w->eraseNeeded = false;
    *ps = PAINTSTRUCT{};
    ps->hdc = MakeDc(*w, area);
    ps->rcPaint = area;
    if (erase && ps->hdc) {
        // The window must erase itself when its procedure did not.
        ps->fErase = Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
    }
    return ps->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps)
{
    if (ps) ReleaseWindowDc(ps->hdc);
    return TRUE;
}

// Surfaces reach the screen only through PresentDirtyAreas, when the queue is idle.
bool SystemComposesPaint() { return true; }

HDC GetDC(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    return MakeDc(*w, ClientRectOf(*w));
}

int ReleaseDC(HWND, HDC dc) { return ReleaseWindowDc(dc) ? 1 : 0; }
