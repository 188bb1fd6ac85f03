// Messages a list window posts to itself or receives from its scrollbars.
#pragma once

#include "platform/win32.h"

// Lay the rows out again (after a resize or an added item), then repaint.
inline constexpr UINT KYWM_LIST_LAYOUT = WM_USER + 107;
// From the horizontal bar; wParam is the new horizontal offset.
inline constexpr UINT KYWM_LIST_HSCROLL = WM_USER + 108;
// From the vertical bar; wParam is the new vertical offset.
inline constexpr UINT KYWM_LIST_VSCROLL = WM_USER + 109;
// wParam: item id, or 0 with the item itself in lParam.
inline constexpr UINT KYWM_LIST_REPAINTITEM = WM_USER + 110;
// wParam: id of the item to scroll into view.
inline constexpr UINT KYWM_LIST_SHOWITEM = WM_USER + 111;
