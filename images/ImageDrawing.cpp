#include "images/ImageDrawing.h"

#include "images/JigsawLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

// A source span [start, start + length) cut to [0, limit), and the matching
// destination span, cut in the same proportion.
struct Span {
    int64_t sourceStart;
    int64_t sourceEnd;
    int64_t destinationStart;
    int64_t destinationEnd;
};

Span CutToBitmap(int64_t start, int64_t length, int64_t limit, int64_t destination, int64_t destinationLength)
{
    const int64_t end = start + length;
    Span span{std::max<int64_t>(start, 0), std::min(end, limit), destination,
              destination + destinationLength};
    if (span.sourceStart >= span.sourceEnd)
        return span;
    if (span.sourceStart != start)
        span.destinationStart = destination + (span.sourceStart - start) * destinationLength / length;
    if (span.sourceEnd != end)
        span.destinationEnd = destination + (span.sourceEnd - start) * destinationLength / length;
    return span;
}

}  // namespace

bool HasPicture(const KyImage& image)
{
    return image.Bitmap() != nullptr;
}

bool DrawPiece(const KyImage& image, DrawingSurface& surface, int dx, int dy, int dw, int dh,
               int sx, int sy, int sw, int sh)
{
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return false;
    Gdiplus::GpBitmap* bitmap = image.Bitmap();
    if (!bitmap)
        return false;
    if (dw < 0 || dh < 0)
        return true;
    if (sw < 0 || sh < 0 || !surface.Graphics())
        return false;

    // The disabled button face asks for more columns than the strip has;
    // what lies past the bitmap is left out rather than left to the renderer.
    const RECT& s = image.SourceRect();
    const SIZE size = BitmapSize(bitmap);
    const Span x = CutToBitmap(int64_t{s.left} + sx, sw, size.cx, dx, dw);
    const Span y = CutToBitmap(int64_t{s.top} + sy, sh, size.cy, dy, dh);
    if (x.sourceStart >= x.sourceEnd || y.sourceStart >= y.sourceEnd)
        return true;
    if (x.destinationStart >= x.destinationEnd || y.destinationStart >= y.destinationEnd)
        return true;

    const Gdiplus::GpStatus status = Gdiplus::DllExports::GdipDrawImageRectRectI(
        surface.Graphics(), bitmap,
        static_cast<INT>(x.destinationStart), static_cast<INT>(y.destinationStart),
        static_cast<INT>(x.destinationEnd - x.destinationStart),
        static_cast<INT>(y.destinationEnd - y.destinationStart),
        static_cast<INT>(x.sourceStart), static_cast<INT>(y.sourceStart),
        static_cast<INT>(x.sourceEnd - x.sourceStart), static_cast<INT>(y.sourceEnd - y.sourceStart),
        Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    if (status != Gdiplus::Ok) {
        surface.SetStatus(status);
        return false;
    }
    return true;
}

bool DrawImage(HDC dc, const KyImage& image, int dx, int dy, int dw, int dh, int sx, int sw, int sh)
{
    if (image.SharedId() == 0 && !image.Source().bitmap)
        return false;
    DrawingSurface surface(dc);
    return DrawPiece(image, surface, dx, dy, dw, dh, sx, 0, sw, sh);
}

bool DrawJigsaw(HDC dc, const KyJigsawImage& image, const RECT& destination)
{
    DrawingSurface surface(dc);
    if (surface.Status() != Gdiplus::Ok)
        return false;
    if (!HasPicture(image))
        return false;
    const RECT& s = image.SourceRect();
    const LONG sourceWidth = s.right - s.left;
    const LONG sourceHeight = s.bottom - s.top;
    const int64_t width = int64_t{destination.right} - destination.left;
    const int64_t height = int64_t{destination.bottom} - destination.top;
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return false;
    // A piece that fails is only that piece: the frame is still drawn.
    for (const JigsawPiece& piece : LayJigsaw(sourceWidth, sourceHeight, image.Margins(), destination)) {
        const RECT& d = piece.destination;
        const int w = d.right - d.left;
        const int h = d.bottom - d.top;
        DrawPiece(image, surface, d.left, d.top, w, h, piece.sourceX, piece.sourceY, w, h);
    }
    return true;
}

bool DrawJigsawSized(HDC dc, const KyJigsawImage& image, int width, int height)
{
    return DrawJigsaw(dc, image, RECT{0, 0, width, height});
}
