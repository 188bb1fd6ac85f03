#include "framework/KyMemoryDc.h"

bool KyMemoryDc::Create(HDC reference)
{
    Destroy();
    dc = CreateCompatibleDC(reference);
    return dc != nullptr;
}

bool KyMemoryDc::SelectNewBitmap(HDC reference, int width, int height)
{
    if (dc == nullptr)
        return false;
    HBITMAP fresh = CreateCompatibleBitmap(reference, width, height);
    if (fresh == nullptr)
        return false;
    HGDIOBJ previous = SelectObject(dc, fresh);
    if (previous == nullptr) {
        DeleteObject(fresh);
        return false;
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    else
        initialBitmap = previous;
    bitmap = fresh;
    return true;
}

void KyMemoryDc::Destroy()
{
    if (dc != nullptr && bitmap != nullptr && initialBitmap != nullptr)
        SelectObject(dc, initialBitmap);
    if (dc != nullptr)
        DeleteDC(dc);
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    dc = nullptr;
    bitmap = nullptr;
    initialBitmap = nullptr;
}
