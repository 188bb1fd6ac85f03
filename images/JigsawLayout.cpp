#include "images/JigsawLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

class PieceList {
public:
    explicit PieceList(std::vector<JigsawPiece>& pieces) : pieces(pieces) {}

    void Copy(LONG left, LONG top, LONG right, LONG bottom, LONG sourceX, LONG sourceY)
    {
        if (right > left && bottom > top)
            pieces.push_back({RECT{left, top, right, bottom}, sourceX, sourceY});
    }

    // Lays tiles of stepX x stepY from the area's top-left corner, the last
    // column and row cut to what remains; the source of a cut tile is cut
    // from its start the same way. Columns outer, rows inner.
    void Tile(const RECT& area, LONG stepX, LONG stepY, LONG sourceX, LONG sourceY)
    {
        if (stepX <= 0 || stepY <= 0)
            return;
        for (LONG x = area.left; x < area.right; x += stepX) {
            const LONG right = std::min(area.right, x + stepX);
            for (LONG y = area.top; y < area.bottom; y += stepY)
                Copy(x, y, right, std::min(area.bottom, y + stepY), sourceX, sourceY);
        }
    }

private:
    std::vector<JigsawPiece>& pieces;
};

}  // namespace

std::vector<JigsawPiece> LayJigsaw(LONG sourceWidth, LONG sourceHeight, const RECT& margins,
                                   const RECT& d)
{
    std::vector<JigsawPiece> pieces;
    // Sizes that do not fit 32 bits with room for the sums below are refused
    // along with empty ones.
    constexpr int64_t kLargest = INT32_MAX / 4;
    const int64_t wideWidth = int64_t{d.right} - d.left;
    const int64_t wideHeight = int64_t{d.bottom} - d.top;
    if (wideWidth <= 0 || wideHeight <= 0 || wideWidth > kLargest || wideHeight > kLargest)
        return pieces;
    if (sourceWidth <= 0 || sourceHeight <= 0)
        return pieces;
    if (margins.left < 0 || margins.top < 0 || margins.right < 0 || margins.bottom < 0)
        return pieces;
    if (margins.left > kLargest || margins.top > kLargest || margins.right > kLargest
        || margins.bottom > kLargest)
        return pieces;
    const LONG dw = static_cast<LONG>(wideWidth);
    const LONG dh = static_cast<LONG>(wideHeight);
    const LONG sw = sourceWidth;
    const LONG sh = sourceHeight;
    const LONG l = margins.left;
    const LONG t = margins.top;
    const LONG r = margins.right;
    const LONG b = margins.bottom;

    // Where the corner columns and rows end when the destination or the
    // source is too small to hold both margins.
    const LONG xL = l < dw ? d.left + l : d.right;
    const LONG yT = t < dh ? d.top + t : d.bottom;
    const LONG xR3 = l + r <= dw ? d.right - r : d.left + l;
    const LONG xR = l + r < dw ? d.right - r : d.left + l;
    const LONG yB = t + b < dh ? d.bottom - b : d.top + t;
    const LONG sxR = l + r < sw ? sw - r : l;
    const LONG syB = t + b < sh ? sh - b : t;
    const LONG mw = sw - l - r;
    const LONG mh = sh - t - b;

    PieceList list(pieces);
    if (l != 0 && t != 0)
        list.Copy(d.left, d.top, xL, yT, 0, 0);
    if (t != 0 && dw - r - l > 0 && mw > 0)
        list.Tile(RECT{d.left + l, d.top, d.right - r, yT}, mw, yT - d.top, l, 0);
    if (t != 0 && r != 0 && l < dw && l < sw)
        list.Copy(xR3, d.top, d.right, yT, sxR, 0);
    if (l != 0 && t + b < dh && mh > 0)
        list.Tile(RECT{d.left, d.top + t, xL, d.bottom - b}, xL - d.left, mh, 0, t);
    if (dw - r - l > 0 && t + b < dh && mw > 0 && mh > 0)
        list.Tile(RECT{d.left + l, d.top + t, d.right - r, d.bottom - b}, mw, mh, l, t);
    if (r != 0 && t + b < dh && l < dw && l < sw && mh > 0)
        list.Tile(RECT{xR, d.top + t, d.right, d.bottom - b}, d.right - xR, mh, sxR, t);
    if (l != 0 && b != 0 && t < dh && t <= sh)
        list.Copy(d.left, yB, xL, d.bottom, 0, syB);
    if (l + r < dw && t < dh && t < sh && mw > 0)
        list.Tile(RECT{d.left + l, yB, d.right - r, d.bottom}, mw, d.bottom - yB, l, syB);
    if (r != 0 && b != 0 && l <= dw && t <= dh && l <= sw && t <= sh)
        list.Copy(xR, yB, d.right, d.bottom, sxR, syB);
    return pieces;
}
