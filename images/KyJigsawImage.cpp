#include "images/KyJigsawImage.h"

void KyJigsawImage::Release()
{
    KyImage::Release();
    margins_ = RECT{0, 0, 0, 0};
}

bool KyJigsawImage::SetMargins(const RECT& margins)
{
    if (margins.left < 0 || margins.top < 0 || margins.right < 0 || margins.bottom < 0)
        return false;
    margins_ = margins;
    return true;
}
