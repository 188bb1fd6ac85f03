#pragma once

#include "platform/win32.h"

#include <cstdint>

// GDI+ is started by its first holder and shut down when the last one goes.
// Holders are every picture object and the picture pool.
class GdiplusSession {
public:
    static GdiplusSession& Instance();

    bool Acquire();
    void Release();

    int32_t Holders() const { return holders; }

private:
    ULONG_PTR token = 0;
    int32_t holders = 0;
};

bool AcquireGdiplus();
void ReleaseGdiplus();
