// Update regions, the top-level surfaces and presenting them.
#pragma once

#include "platform/user/WindowTree.h"

namespace platform::user {

// Adds `area` (client coordinates) to the window's update region and, when
// the window does not clip its children, to theirs. Hidden windows ignore it.
void Invalidate(Window& w, const RECT& area, bool erase);
// The first window, parents before children, that is shown and needs painting.
HWND NextWindowToPaint(HWND filter);

// The top-level surface: made when the window is first drawn on (so a
// window sized or maximised before it is shown makes it once, at its final
// size), made again (keeping what fits) when it is resized or its native
// window's pixels change, released with it.
cairo_surface_t* SurfaceFor(Window& top);
void RenewSurface(Window& top);
void DestroySurface(Window& top);
// Window DCs drawing on `surface` draw nothing from now on: its pixels go.
void DetachWindowDcs(cairo_surface_t* surface);
// The part of the window's client area that is inside all its ancestors, in
// its top-level's surface coordinates.
RECT VisibleSurfaceRect(const Window& w);
// Marks surface pixels as changed, to be presented.
void MarkDirty(Window& top, const RECT& surfaceArea);
// Hands every changed area to the display.
void PresentDirtyAreas();

}  // namespace platform::user
