#include "images/KyJigsawImage.h"

void KyJigsawImage::Release()
{
    KyImage::Release();
    margins = RECT{0, 0, 0, 0};
}

bool KyJigsawImage::SetMargins(const RECT& value)
{
    if (value.left < 0 || value.top < 0 || value.right < 0 || value.bottom < 0)
        return false;
    margins = value;
    return true;
}
