// Rectangle arithmetic for USER's own bookkeeping (right and bottom exclusive).
#pragma once

#include "platform/types.h"

namespace platform::user {

inline bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

inline RECT Intersect(const RECT& a, const RECT& b)
{
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return Empty(r) ? RECT{} : r;
}

inline RECT Union(const RECT& a, const RECT& b)
{
    if (Empty(a)) return b;
    if (Empty(b)) return a;
    return RECT{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

inline RECT Offset(const RECT& r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace platform::user
