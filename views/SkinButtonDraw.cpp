#include "views/SkinButton.h"

#include "context/AppContext.h"
#include "gdi/FontCache.h"
#include "images/ImageDrawing.h"
#include "views/SceneDrawing.h"

namespace {

constexpr int kFacesInStrip = 4;

}  // namespace

// The face is copied at the button's own width; past the strip's end (the
// disabled face of a button wider than a face) the picture drawing clips.
void SkinButton::Draw(HDC dc, const RECT& area) const
{
    RECT overlap{};
    if (!IntersectRect(&overlap, &rect, &area))
        return;
    const AppContext& context = AppContext::Instance();
    const Face face = CurrentFace();
    const RECT& strip = context.buttonSkin.SourceRect();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int faceLeft = ((strip.right - strip.left) * face) / kFacesInStrip;
    DrawImage(dc, context.buttonSkin, rect.left, rect.top, width, height, faceLeft, width, strip.bottom - strip.top);

    ScopedSelection font(dc, FontHandle(context.font18));
    // The highlighted face is drawn lifted, so its caption is too.
    RECT captionRect = rect;
    if (face == kFaceHover) {
        captionRect.top -= 1;
        captionRect.bottom -= 1;
    }
    DrawTextW(dc, caption.c_str(), -1, &captionRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
