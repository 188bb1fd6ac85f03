#pragma once

#include "platform/win32.h"

// Selects a GDI object into a DC for one scope and puts the previous one
// back on every way out. A null object selects nothing.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object)
        : dc(dc), previous(object != nullptr ? SelectObject(dc, object) : nullptr)
    {
    }
    ~ScopedSelection()
    {
        if (previous != nullptr)
            SelectObject(dc, previous);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};
