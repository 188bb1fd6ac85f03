// A memory DC together with the bitmap selected into it: the one owner of
// both. The DC's own initial bitmap is put back before anything is deleted,
// so neither our bitmap nor the DC leaks and nothing deletes a stock object.
#pragma once

#include "platform/win32.h"

class KyMemoryDc {
public:
    KyMemoryDc() = default;
    KyMemoryDc(const KyMemoryDc&) = delete;
    KyMemoryDc& operator=(const KyMemoryDc&) = delete;
    ~KyMemoryDc() { Destroy(); }

    // A memory DC compatible with `reference`; any earlier one is destroyed.
    bool Create(HDC reference);
    // Selects a new width x height bitmap compatible with `reference` and
    // releases the previous one. On failure the previous bitmap stays.
    bool SelectNewBitmap(HDC reference, int width, int height);
    void Destroy();

    HDC Get() const { return dc; }
    operator HDC() const { return dc; }

private:
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ initialBitmap = nullptr;
};
