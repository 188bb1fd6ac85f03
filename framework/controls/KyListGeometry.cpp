#include "framework/controls/KyListGeometry.h"

#include "platform/win32.h"

#include <algorithm>

namespace {

constexpr int kArrowStep = 20;
constexpr int kWheelNotch = 120;
constexpr uint32_t kDefaultWheelStep = 5;

uint32_t Back(uint32_t position, uint64_t by)
{
    return by >= position ? 0 : static_cast<uint32_t>(position - by);
}

uint32_t Forward(uint32_t position, uint64_t by, uint32_t max)
{
    return static_cast<uint32_t>(std::min<uint64_t>(uint64_t{position} + by, max));
}

}  // namespace

KyListLayout LayoutList(int width, int height, bool bordered, int contentHeight, int vOffset,
                        int barWidth, int barHeight)
{
    KyListLayout layout;
    const int border = bordered ? 1 : 0;
    int w = width - 2 * border;
    int h = height - 2 * border;
    if (w < 2 || h < 2)
        return layout;

    layout.x = border;
    layout.y = border;
    if (contentHeight > 0 && w > barWidth && h > barHeight && h < contentHeight) {
        // Rows never need more than the width they are given, so the vertical
        // bar's width cannot bring up a horizontal bar in turn.
        layout.needsVerticalBar = true;
        w -= barWidth;
    }
    layout.width = w;
    layout.height = h;
    if (layout.needsVerticalBar)
        layout.vOffset = std::clamp(vOffset, 0, contentHeight - h);
    return layout;
}

int OffsetShowingRow(int vOffset, int rowTop, int rowHeight, int areaHeight, int contentHeight)
{
    if (rowHeight >= areaHeight)
        return rowTop;
    int offset = std::min(vOffset, rowTop);
    offset = std::max(offset, rowTop + rowHeight - areaHeight);
    const int largest = std::max(contentHeight - areaHeight, 0);
    return std::min(offset, largest);
}

uint32_t PositionAfterKey(unsigned virtualKey, uint32_t position, uint32_t max, int windowHeight)
{
    const uint32_t page = static_cast<uint32_t>(std::max(windowHeight, 0) * 4 / 5);
    switch (virtualKey) {
    case VK_PRIOR:
        return Back(position, page);
    case VK_NEXT:
        return Forward(position, page, max);
    case VK_END:
        return max;
    case VK_HOME:
        return 0;
    case VK_UP:
        return Back(position, kArrowStep);
    case VK_DOWN:
        return Forward(position, kArrowStep, max);
    default:
        return position;
    }
}

uint32_t PositionAfterWheel(int wheelDelta, uint32_t step, uint32_t position, uint32_t max)
{
    const int64_t notches = wheelDelta / kWheelNotch;
    const int64_t delta = notches * (step == 0 ? kDefaultWheelStep : step);
    if (delta > 0)
        return Back(position, static_cast<uint64_t>(delta));
    if (delta < 0)
        return Forward(position, static_cast<uint64_t>(-delta), max);
    return position;
}
