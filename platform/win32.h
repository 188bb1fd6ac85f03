// The one header through which code outside platform/ reaches the operating
// system. On Windows it is the real thing; elsewhere it declares our own
// implementation of exactly the subset the program uses (see IMPLEMENTED.md).
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>
#include <cstdio>
#include <cwchar>
// Our one addition to the Win32 API (see platform/user/user.h): GDI on
// Windows draws on the screen as it goes, so a paint must be composed off
// screen to be seen whole.
inline bool SystemComposesPaint() { return false; }
#else
#include "platform/types.h"
#include "platform/crt/crt.h"
#include "platform/kernel/kernel.h"
#include "platform/user/user.h"
#include "platform/user/Clipboard.h"
#include "platform/gdi/gdi.h"
#include "platform/controls/controls.h"
#include "platform/gdiplus/gdiplus.h"
#endif
