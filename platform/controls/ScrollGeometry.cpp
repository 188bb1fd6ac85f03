#include "platform/controls/ScrollGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace platform::controls {
namespace {

constexpr int kMinShaft = 4;   // below this the arrows share what there is
constexpr int kMinThumb = 8;

int ArrowMetric() { return GetSystemMetrics(SM_CXVSCROLL); }

// MulDiv: the product over the divisor, rounded half away from zero.
int MulDivRounded(int a, int b, int c)
{
    if (c == 0) return 0;
    return static_cast<int>(std::llround(static_cast<double>(a) * b / c));
}

// The thumb's length for a shaft of `shaft` pixels.
int ThumbSize(const ScrollRange& range, int shaft)
{
    if (range.page == 0) return ArrowMetric();
    int64_t span = static_cast<int64_t>(range.max) - range.min + 1;
    int size = static_cast<int>(static_cast<int64_t>(shaft) * range.page / (span > 0 ? span : 1));
    return std::max(size, kMinThumb);
}

}  // namespace

int ScrollRange::LastPosition() const { return max - std::max(page - 1, 0); }

int ScrollRange::Clamp(int position) const
{
    if (position > LastPosition()) position = LastPosition();
    return position < min ? min : position;
}

bool ScrollRange::Apply(const SCROLLINFO& info)
{
    if (info.cbSize != sizeof(SCROLLINFO) && info.cbSize != sizeof(SCROLLINFO) - sizeof(int)) return false;
    if (info.fMask & SIF_PAGE) page = static_cast<int>(info.nPage);
    if (info.fMask & SIF_POS) pos = info.nPos;
    if (info.fMask & SIF_RANGE) {
        // An inverted or too wide range collapses to nothing, as on Windows.
        bool valid = info.nMin <= info.nMax &&
                     static_cast<uint32_t>(info.nMax) - static_cast<uint32_t>(info.nMin) < 0x80000000u;
        min = valid ? info.nMin : 0;
        max = valid ? info.nMax : 0;
    }
    int64_t span = static_cast<int64_t>(max) - min + 1;
    if (page < 0) page = 0;
    else if (page > span) page = static_cast<int>(span);
    pos = Clamp(pos);
    return true;
}

ScrollPart ScrollLayout::PartAt(int along) const
{
    if (along < 0 || along >= length) return ScrollPart::None;
    if (along < arrow) return ScrollPart::LineUp;
    if (along >= length - arrow) return ScrollPart::LineDown;
    if (thumbSize == 0) return ScrollPart::PageUp;
    if (along < thumbPos) return ScrollPart::PageUp;
    if (along < thumbPos + thumbSize) return ScrollPart::Thumb;
    return ScrollPart::PageDown;
}

ScrollLayout LayOut(const ScrollRange& range, int length, bool enabled)
{
    ScrollLayout layout;
    layout.length = length;
    if (length <= 2 * ArrowMetric() + kMinShaft) {
        layout.arrow = length > kMinShaft ? (length - kMinShaft) / 2 : 0;
        return layout;
    }
    layout.arrow = ArrowMetric();
    int shaft = length - 2 * layout.arrow;
    int thumb = ThumbSize(range, shaft);
    int free = shaft - thumb;
    if (free < 0 || !enabled) return layout;
    layout.thumbSize = thumb;
    int last = range.LastPosition();
    layout.thumbPos = layout.arrow + (range.min >= last ? 0 : MulDivRounded(free, range.pos - range.min, last - range.min));
    return layout;
}

int PositionForThumb(const ScrollRange& range, int length, int thumbPos)
{
    int shaft = length - 2 * ArrowMetric();
    if (shaft <= 0) return range.min;
    int free = shaft - ThumbSize(range, shaft);
    if (free <= 0) return range.min;
    int offset = std::clamp(thumbPos - ArrowMetric(), 0, free);
    int span = range.page == 0 ? range.max - range.min : range.max - range.min - range.page + 1;
    return range.min + MulDivRounded(offset, span, free);
}

}  // namespace platform::controls
