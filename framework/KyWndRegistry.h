// The process-wide table of live window objects, used by the one window
// procedure to find the object of a handle. It stores objects, not handles:
// every lookup asks each object for its current handle, so an object can be
// registered before its window exists and after it is gone.
//
// The table is a chain of fixed blocks; the first is static and never freed,
// further ones come and go as the table fills and empties. Every operation
// holds the registry mutex for its whole duration.
#pragma once

#include "framework/IKyWnd.h"
#include "platform/win32.h"

class KyWndRegistry {
public:
    static constexpr int kBlockEntries = 254;

    // False for a null object. Never fails otherwise: a full chain grows.
    static bool Register(IKyWnd* object);
    // False when the object is not registered.
    static bool Unregister(IKyWnd* object);
    // The first registered object whose GetHwnd is `window`; null for null.
    static IKyWnd* FindByHandle(HWND window);

    // Number of blocks in the chain, the static first one included.
};
