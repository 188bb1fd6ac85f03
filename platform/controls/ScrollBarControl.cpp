#include "platform/controls/ScrollBarControl.h"

#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/Procedures.h"

namespace platform::controls {
namespace {

constexpr UINT_PTR kRepeatTimer = 0x5342;
constexpr UINT kFirstDelayMs = 200;
constexpr UINT kRepeatDelayMs = 50;
constexpr COLORREF kPressedShaft = RGB(8, 8, 8);

bool Repeats(ScrollPart part) { return part != ScrollPart::None && part != ScrollPart::Thumb; }

WORD CodeFor(ScrollPart part)
{
    switch (part) {
    case ScrollPart::LineUp: return SB_LINEUP;
    case ScrollPart::PageUp: return SB_PAGEUP;
    case ScrollPart::PageDown: return SB_PAGEDOWN;
    case ScrollPart::LineDown: return SB_LINEDOWN;
    default: return SB_ENDSCROLL;
    }
}

}  // namespace

LRESULT ScrollBarControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case SBM_SETSCROLLINFO: return SetInfo(static_cast<BOOL>(wParam), reinterpret_cast<const SCROLLINFO*>(lParam));
    case SBM_GETSCROLLINFO: return GetInfo(reinterpret_cast<SCROLLINFO*>(lParam));
    case SBM_SETPOS: return SetPosition(static_cast<int>(wParam), static_cast<BOOL>(lParam));
    case SBM_GETPOS: return range.pos;
    case SBM_SETRANGE: return SetRange(static_cast<int>(wParam), static_cast<int>(lParam), FALSE);
    case SBM_SETRANGEREDRAW: return SetRange(static_cast<int>(wParam), static_cast<int>(lParam), TRUE);
    case SBM_GETRANGE:
        if (auto* p = reinterpret_cast<int*>(wParam)) *p = range.min;
        if (auto* p = reinterpret_cast<int*>(lParam)) *p = range.max;
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Press(point); return 0;
    case WM_MOUSEMOVE: Move(point); return 0;
    case WM_LBUTTONUP: Release(); return 0;
    case WM_CAPTURECHANGED:
        if (tracking != ScrollPart::None && reinterpret_cast<HWND>(lParam) != hwnd) {
            tracking = ScrollPart::None;
            KillTimer(hwnd, kRepeatTimer);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer) Repeat();
        return 0;
    case WM_KEYDOWN: Key(wParam); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT ScrollBarControl::SetInfo(BOOL redraw, const SCROLLINFO* info)
{
    if (!info) return 0;
    ScrollRange next = range;
    if (!next.Apply(*info)) return 0;
    range = next;
    if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
    return range.pos;
}

LRESULT ScrollBarControl::GetInfo(SCROLLINFO* info) const
{
    if (!info || (info->cbSize != sizeof(SCROLLINFO) && info->cbSize != sizeof(SCROLLINFO) - sizeof(int))) return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = range.min;
        info->nMax = range.max;
    }
    if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(range.page);
    if (info->fMask & SIF_POS) info->nPos = range.pos;
    if ((info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof(SCROLLINFO))
        info->nTrackPos = tracking == ScrollPart::Thumb ? trackValue : range.pos;
    return (info->fMask & SIF_ALL) != 0;
}

LRESULT ScrollBarControl::SetPosition(int position, BOOL redraw)
{
    int old = range.pos;
    range.pos = range.Clamp(position);
    if (redraw && old != range.pos) InvalidateRect(hwnd, nullptr, TRUE);
    return old;
}

LRESULT ScrollBarControl::SetRange(int min, int max, BOOL redraw)
{
    SCROLLINFO info{sizeof info, SIF_RANGE, min, max, 0, 0, 0};
    int old = range.pos;
    SetInfo(redraw, &info);
    return old;
}

void ScrollBarControl::Press(POINT p)
{
    ScrollLayout layout = Layout();
    ScrollPart part = layout.PartAt(Along(p));
    if (part == ScrollPart::None) return;
    HWND window = hwnd;
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) SetFocus(window);
    if (StateOf<ScrollBarControl>(window) != this) return;
    SetCapture(window);
    tracking = part;
    pointer = p;
    InvalidateRect(window, nullptr, TRUE);
    if (part == ScrollPart::Thumb) {
        grabOffset = Along(p) - layout.thumbPos;
        startThumb = dragThumb = layout.thumbPos;
        trackValue = range.pos;
        lastAlong = Along(p);
        return;
    }
    if (Notify(CodeFor(part)) && tracking == part) SetTimer(window, kRepeatTimer, kFirstDelayMs, nullptr);
}

void ScrollBarControl::Move(POINT p)
{
    pointer = p;
    if (tracking == ScrollPart::None) return;
    if (tracking != ScrollPart::Thumb) {
        InvalidateRect(hwnd, nullptr, TRUE);  // the pressed look follows the pointer
        return;
    }
    // Too far from the bar, the thumb goes back to where it was grabbed.
    int along = NearBar(p) ? std::clamp(Along(p), 0, Length()) : startThumb + grabOffset;
    if (along == lastAlong) return;
    lastAlong = along;
    dragThumb = along - grabOffset;
    trackValue = PositionForThumb(range, Length(), dragThumb);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(SB_THUMBTRACK, static_cast<WORD>(trackValue));
}

void ScrollBarControl::Release()
{
    if (tracking == ScrollPart::None) return;
    ScrollPart part = tracking;
    tracking = ScrollPart::None;
    KillTimer(hwnd, kRepeatTimer);
    HWND window = hwnd;
    if (GetCapture() == window) ReleaseCapture();
    if (!IsWindow(window)) return;
    InvalidateRect(window, nullptr, TRUE);
    if (part == ScrollPart::Thumb && !Notify(SB_THUMBPOSITION, static_cast<WORD>(trackValue))) return;
    Notify(SB_ENDSCROLL);
}

void ScrollBarControl::Repeat()
{
    if (!Repeats(tracking)) {
        KillTimer(hwnd, kRepeatTimer);
        return;
    }
    SetTimer(hwnd, kRepeatTimer, kRepeatDelayMs, nullptr);
    // Only while the pointer stays on the part pressed; paging stops when
    // the thumb reaches the pointer.
    if (Layout().PartAt(Along(pointer)) == tracking) Notify(CodeFor(tracking));
}

void ScrollBarControl::Key(WPARAM key)
{
    switch (key) {
    case VK_PRIOR: Notify(SB_PAGEUP); break;
    case VK_NEXT: Notify(SB_PAGEDOWN); break;
    case VK_HOME: Notify(SB_TOP); break;
    case VK_END: Notify(SB_BOTTOM); break;
    case VK_UP:
    case VK_LEFT: Notify(SB_LINEUP); break;
    case VK_DOWN:
    case VK_RIGHT: Notify(SB_LINEDOWN); break;
    default: break;
    }
}

bool ScrollBarControl::Notify(WORD code, WORD position)
{
    HWND window = hwnd;
    HWND parent = GetParent(window);
    if (parent && IsWindow(parent))
        SendMessageW(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(window));
    return IsWindow(window) && StateOf<ScrollBarControl>(window) == this;
}

bool ScrollBarControl::Vertical() const { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & SBS_VERT) != 0; }

int ScrollBarControl::Along(POINT p) const { return Vertical() ? p.y : p.x; }

int ScrollBarControl::Length() const
{
    RECT client;
    GetClientRect(hwnd, &client);
    return Vertical() ? client.bottom - client.top : client.right - client.left;
}

ScrollLayout ScrollBarControl::Layout() const { return LayOut(range, Length(), IsWindowEnabled(hwnd) != FALSE); }

bool ScrollBarControl::NearBar(POINT p) const
{
    RECT client;
    GetClientRect(hwnd, &client);
    int breadth = Vertical() ? client.right : client.bottom;
    int across = Vertical() ? p.x : p.y;
    int along = Along(p);
    int length = Length();
    return across >= -8 * breadth && across < 9 * breadth && along >= -2 * breadth && along < length + 2 * breadth;
}

RECT ScrollBarControl::Span(int from, int to) const
{
    RECT client;
    GetClientRect(hwnd, &client);
    return Vertical() ? RECT{0, from, client.right, to} : RECT{from, 0, to, client.bottom};
}

void ScrollBarControl::PaintArrow(HDC dc, const RECT& r, bool first, bool pressed, bool enabled) const
{
    if (pressed) {
        FillSolid(dc, r, colour::kFace);
        Frame(dc, r, colour::kShadow, colour::kShadow);
    } else {
        ButtonFace(dc, r, false);
    }
    // A triangle of four rows, widest at the base, centred on the button.
    int size = std::min(r.right - r.left, r.bottom - r.top);
    int rows = std::max(1, (size - 5) / 3);
    int cx = (r.left + r.right) / 2 + (pressed ? 1 : 0);
    int cy = (r.top + r.bottom) / 2 + (pressed ? 1 : 0);
    auto draw = [&](int shift, COLORREF ink) {
        for (int i = 0; i < rows; ++i) {
            int half = first ? i : rows - 1 - i;  // row i from the tip side
            int offset = i - rows / 2;
            if (Vertical())
                FillSolid(dc, RECT{cx - half + shift, cy + offset + shift, cx + half + 1 + shift, cy + offset + 1 + shift}, ink);
            else
                FillSolid(dc, RECT{cx + offset + shift, cy - half + shift, cx + offset + 1 + shift, cy + half + 1 + shift}, ink);
        }
    };
    if (enabled) {
        draw(0, colour::kText);
    } else {
        draw(1, colour::kHighlight);
        draw(0, colour::kShadow);
    }
}

void ScrollBarControl::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    ScrollLayout layout = Layout();
    int length = layout.length;
    bool pointerOn = layout.PartAt(Along(pointer)) == tracking;
    if (tracking == ScrollPart::Thumb) layout.thumbPos = std::clamp(dragThumb, layout.arrow, length - layout.arrow - layout.thumbSize);

    FillSolid(dc, Span(layout.arrow, length - layout.arrow), colour::kScrollShaft);
    if (layout.thumbSize > 0 && pointerOn) {
        if (tracking == ScrollPart::PageUp) FillSolid(dc, Span(layout.arrow, layout.thumbPos), kPressedShaft);
        if (tracking == ScrollPart::PageDown)
            FillSolid(dc, Span(layout.thumbPos + layout.thumbSize, length - layout.arrow), kPressedShaft);
    }
    if (layout.arrow > 0) {
        PaintArrow(dc, Span(0, layout.arrow), true, pointerOn && tracking == ScrollPart::LineUp, enabled);
        PaintArrow(dc, Span(length - layout.arrow, length), false, pointerOn && tracking == ScrollPart::LineDown, enabled);
    }
    if (layout.thumbSize > 0) ButtonFace(dc, Span(layout.thumbPos, layout.thumbPos + layout.thumbSize), false);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::controls
