// Selects a GDI object into a DC for one scope and puts the previous one
// back on every way out. A null object selects nothing.
#pragma once

#include "platform/win32.h"

class KyDcSelection {
public:
    KyDcSelection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr)
    {
    }
    ~KyDcSelection()
    {
        if (previous_ != nullptr)
            SelectObject(dc_, previous_);
    }
    KyDcSelection(const KyDcSelection&) = delete;
    KyDcSelection& operator=(const KyDcSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
