#include "framework/controls/KyStandardScrollbar.h"

#include "framework/ProgramModule.h"

#include <algorithm>
#include <cmath>

namespace {

// Redraw on vertical and horizontal resizing, without CS_DBLCLKS.
constexpr UINT kScrollbarClassStyle = CS_VREDRAW | CS_HREDRAW;
// Above this the control's 16-bit positions no longer reach; the range is then
// scaled to about 4096 control units.
constexpr uint32_t kLargestUnscaledTotal = 65535;
constexpr double kScaledUnits = 4096.0;

bool IsUnitScale(double scale)
{
    return std::fabs(scale - 1.0) < 1e-6;
}

}  // namespace

KyStandardScrollbar::KyStandardScrollbar(bool isVertical) : vertical(isVertical)
{
}

KyStandardScrollbar::~KyStandardScrollbar()
{
    if (control != nullptr)
        DestroyWindow(control);
    control = nullptr;
}

bool KyStandardScrollbar::CreateChild(HWND parent, HDC background)
{
    if (parent == nullptr)
        return false;
    return Create(kScrollbarClassStyle, WS_CHILD, 0, parent, background);
}

uint32_t KyStandardScrollbar::MaxPositionOf(uint32_t total, uint32_t page)
{
    if (page != 0 && page < total)
        return total - page;
    return 0;
}

int32_t KyStandardScrollbar::ToControl(uint32_t value) const
{
    if (IsUnitScale(scale))
        return static_cast<int32_t>(value);
    return static_cast<int32_t>(value / scale + 0.5);
}

uint32_t KyStandardScrollbar::FromControl(uint32_t unit) const
{
    if (IsUnitScale(scale))
        return unit;
    return static_cast<uint32_t>(scale * unit + 0.5);
}

void KyStandardScrollbar::SetPosition(uint32_t newPosition, bool notify)
{
    if (newPosition == position)
        return;
    position = std::min(newPosition, MaxPosition());
    SyncControl();
    if (notify)
        Notify();
}

void KyStandardScrollbar::SetRange(uint32_t newTotal, uint32_t newPage, uint32_t newPosition)
{
    if (newTotal == total && newPage == page && newPosition == position)
        return;
    total = newTotal;
    page = newPage;
    position = std::min(newPosition, MaxPosition());
    SyncControl();
    if (position != newPosition)
        Notify();
}

void KyStandardScrollbar::Notify()
{
    // A bar whose window could not be made has nobody to tell.
    if (notifyMode == 1 && parentHwnd != nullptr)
        PostMessageW(parentHwnd, notifyMessage, position, notifyParam);
}

void KyStandardScrollbar::SyncControl()
{
    if (control == nullptr)
        return;
    scale = total <= kLargestUnscaledTotal ? 1.0 : total / kScaledUnits;

    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    // No content is an empty range, not total - 1 wrapped round.
    info.nMax = total == 0 ? 0 : ToControl(total - 1);
    info.nPage = static_cast<UINT>(ToControl(page));
    info.nPos = ToControl(position);
    SendMessageW(control, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
    EnableWindow(control, page < total);
}

LRESULT KyStandardScrollbar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (OnCreate() == -1)
            return -1;
        break;
    case WM_SIZE:
        OnSize(lParam);
        break;
    case WM_DESTROY:
        // The control goes with this window.
        control = nullptr;
        break;
    case WM_PAINT: {
        // The control covers the whole client area; only validate.
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_GETDLGCODE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        return SendMessageW(control, message, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnScroll(wParam);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT KyStandardScrollbar::OnCreate()
{
    const DWORD style = WS_CHILD | WS_VISIBLE | (vertical ? SBS_VERT : SBS_HORZ);
    control = CreateWindowExW(0, L"ScrollBar", L"", style, 0, 0, 0, 0, hwnd, nullptr,
                              ProgramModule(), nullptr);
    return control == nullptr ? -1 : 0;
}

void KyStandardScrollbar::OnSize(LPARAM lParam)
{
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    if (width != 0 && height != 0)
        MoveWindow(control, 0, 0, width, height, TRUE);
}

void KyStandardScrollbar::OnScroll(WPARAM wParam)
{
    const UINT code = LOWORD(wParam);
    const uint32_t thumb = HIWORD(wParam);
    const uint32_t max = MaxPosition();

    uint32_t target = position;
    bool fromThumb = false;
    switch (code) {
    case SB_LINEUP:
    case SB_TOP:
        target = position > lineStep ? position - lineStep : 0;
        break;
    case SB_PAGEUP:
        target = position > page ? position - page : 0;
        break;
    case SB_LINEDOWN:
    case SB_BOTTOM:
        target = max - position > lineStep ? position + lineStep : max;
        break;
    case SB_PAGEDOWN:
        target = max - position > page ? position + page : max;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        target = std::min(FromControl(thumb), max);
        fromThumb = true;
        break;
    default:
        break;
    }

    if (target != position) {
        position = target;
        const int32_t thumbPosition = fromThumb ? static_cast<int32_t>(thumb) : ToControl(position);
        SendMessageW(control, SBM_SETPOS, static_cast<WPARAM>(thumbPosition), FALSE);
    }
    // The owner hears of every action, moved or not, end of scroll included.
    Notify();
}
