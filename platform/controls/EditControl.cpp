#include "platform/controls/EditControl.h"

#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/Procedures.h"

namespace platform::controls {
namespace {

constexpr UINT_PTR kBlinkTimer = 0x4B59;
constexpr UINT kBlinkMs = 530;
constexpr int kMargin = 1;  // between the border and the text
// What Windows keeps as the limit when asked for none.
constexpr size_t kNoLimit = 0x7FFFFFFE;

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

}  // namespace

LRESULT EditControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam);
    switch (message) {
    case WM_NCCREATE: {
        // The edit keeps its own text, so the window's title is never set.
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        text.SetText(cs && cs->lpszName ? cs->lpszName : L"");
        return TRUE;
    }
    case WM_SETTEXT: SetText(reinterpret_cast<LPCWSTR>(lParam)); return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        if (!buffer || wParam == 0) return 0;
        size_t count = std::min<size_t>(text.Length(), wParam - 1);
        std::copy_n(text.Text().c_str(), count, buffer);
        buffer[count] = 0;
        return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(text.Length());
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        widths.clear();
        positionsValid = false;
        lineHeight = 0;
        KeepCaretVisible();
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font);
    case WM_CHAR: TypeCharacter(static_cast<wchar_t>(wParam)); return 0;
    case WM_KEYDOWN: KeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_LBUTTONDOWN: Press(x, (wParam & MK_SHIFT) != 0); return 0;
    case WM_LBUTTONDBLCLK: DoubleClick(x); return 0;
    case WM_MOUSEMOVE: Drag(x); return 0;
    case WM_LBUTTONUP: Release(); return 0;
    case WM_CAPTURECHANGED: selecting = false; return 0;
    case WM_SETFOCUS: FocusGained(); return 0;
    case WM_KILLFOCUS: FocusLost(); return 0;
    case WM_TIMER:
        if (wParam == kBlinkTimer) Blink();
        return 0;
    case WM_SIZE: KeepCaretVisible(); InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case EM_GETSEL: return GetSelection(wParam, lParam);
    case EM_SETSEL: SetSelection(wParam, lParam); return 1;
    case EM_REPLACESEL: InsertLimited(lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"", false); return 0;
    case EM_LIMITTEXT: text.SetLimit(wParam ? static_cast<size_t>(wParam) : kNoLimit); return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(text.Limit());
    case EM_CANUNDO: return text.CanUndo();
    case EM_UNDO:
    case WM_UNDO: return text.Undo() && Changed();
    case WM_CLEAR: Clear(); return 0;
    case WM_COPY: Copy(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_PASTE: Paste(); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void EditControl::SetText(LPCWSTR value)
{
    // Neither the limit nor ES_NUMBER applies to text the program sets.
    text.SetText(value ? value : L"");
    scrollX = 0;
    Changed();
}

void EditControl::TypeCharacter(wchar_t c)
{
    LONG style = static_cast<LONG>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    bool readOnly = (style & ES_READONLY) != 0;
    switch (c) {
    case 0x01: text.Select(0, text.Length()); SelectionMoved(); return;
    case 0x03: Copy(); return;
    case 0x16:
        if (!readOnly) Paste();
        return;
    case 0x18:
        if (!readOnly) Cut();
        return;
    case 0x08:
        if (!readOnly && text.DeleteBackward()) Changed();
        return;
    case 0x1A:
        if (!readOnly && text.Undo()) Changed();
        return;
    default: break;
    }
    if (c < 0x20 || c == 0x7F || readOnly) return;
    if ((style & ES_NUMBER) && !(c >= L'0' && c <= L'9')) {
        MessageBeep(MB_OK);
        return;
    }
    InsertLimited(std::wstring(1, c), true);
}

void EditControl::InsertLimited(const std::wstring& inserted, bool typing)
{
    bool truncated = false;
    text.ReplaceSelection(inserted, true, typing, &truncated);
    HWND window = hwnd;
    if (truncated) {
        NotifyParent(window, EN_MAXTEXT);
        if (!IsWindow(window)) return;
    }
    // Windows notifies even when nothing fitted and the text is unchanged.
    Changed();
}

void EditControl::Clear()
{
    if (text.HasSelection() && text.ReplaceSelection(std::wstring(), false, false)) Changed();
}

void EditControl::KeyDown(UINT key)
{
    bool shift = KeyHeld(VK_SHIFT), control = KeyHeld(VK_CONTROL);
    size_t caret = text.Caret();
    switch (key) {
    case VK_LEFT:
        text.MoveCaret(control ? text.WordLeft(caret) : caret > 0 ? caret - 1 : 0, shift);
        break;
    case VK_RIGHT: text.MoveCaret(control ? text.WordRight(caret) : caret + 1, shift); break;
    case VK_HOME: text.MoveCaret(0, shift); break;
    case VK_END: text.MoveCaret(text.Length(), shift); break;
    case VK_INSERT:
        if (control) Copy();
        else if (shift) Paste();
        return;
    case VK_DELETE:
        if (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_READONLY) return;
        if (shift && text.HasSelection()) Cut();
        else if (shift) {
            // Shift+Delete with nothing selected deletes to the left, as Backspace.
            if (text.DeleteBackward()) Changed();
        } else if (text.HasSelection()) Clear();
        else if (text.DeleteForward()) Changed();
        return;
    default: return;
    }
    SelectionMoved();
}

void EditControl::SetSelection(WPARAM start, LPARAM end)
{
    auto first = static_cast<int>(start);
    if (first == -1) {
        text.MoveCaret(text.Caret(), false);
    } else {
        // A negative end means the end of the text.
        auto last = static_cast<int>(end);
        text.Select(static_cast<size_t>(first < 0 ? 0 : first), last < 0 ? text.Length() : static_cast<size_t>(last));
    }
    SelectionMoved();
}

LRESULT EditControl::GetSelection(WPARAM start, LPARAM end) const
{
    auto first = static_cast<DWORD>(text.SelectionStart()), last = static_cast<DWORD>(text.SelectionEnd());
    if (auto* p = reinterpret_cast<DWORD*>(start)) *p = first;
    if (auto* p = reinterpret_cast<DWORD*>(end)) *p = last;
    return MAKELRESULT(std::min<DWORD>(first, 0xFFFF), std::min<DWORD>(last, 0xFFFF));
}

bool EditControl::Changed()
{
    HWND window = hwnd;
    KeepCaretVisible();
    NotifyParent(window, EN_UPDATE);
    if (!IsWindow(window)) return false;
    InvalidateRect(window, nullptr, TRUE);
    NotifyParent(window, EN_CHANGE);
    return IsWindow(window) != FALSE;
}

void EditControl::SelectionMoved()
{
    KeepCaretVisible();
    caretOn = true;
    InvalidateRect(hwnd, nullptr, TRUE);
}

void EditControl::Press(int x, bool extend)
{
    HWND window = hwnd;
    if (GetFocus() != window) {
        SetFocus(window);
        if (StateOf<EditControl>(window) != this) return;
    }
    SetCapture(hwnd);
    selecting = true;
    text.MoveCaret(IndexAt(x), extend);
    SelectionMoved();
}

void EditControl::Drag(int x)
{
    if (!selecting || GetCapture() != hwnd) return;
    size_t index = IndexAt(x);
    if (index == text.Caret()) return;
    text.MoveCaret(index, true);
    SelectionMoved();
}

void EditControl::Release()
{
    if (!selecting) return;
    selecting = false;
    if (GetCapture() == hwnd) ReleaseCapture();
}

void EditControl::DoubleClick(int x)
{
    text.SelectWordAt(IndexAt(x));
    SelectionMoved();
}

void EditControl::FocusGained()
{
    focused = true;
    caretOn = true;
    SetTimer(hwnd, kBlinkTimer, kBlinkMs, nullptr);
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_SETFOCUS);
}

void EditControl::FocusLost()
{
    focused = false;
    selecting = false;
    KillTimer(hwnd, kBlinkTimer);
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_KILLFOCUS);
}

void EditControl::Blink()
{
    if (!focused) return;
    caretOn = !caretOn;
    RECT area = TextArea();
    int x = area.left + XOf(text.Caret()) - scrollX;
    RECT caret{x, area.top, x + 1, area.top + LineHeight()};
    InvalidateRect(hwnd, &caret, FALSE);
}

RECT EditControl::TextArea() const
{
    RECT client;
    GetClientRect(hwnd, &client);
    int border = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_BORDER) ? 1 : 0;
    return RECT{client.left + border + kMargin, client.top + border + kMargin, client.right - border - kMargin,
                client.bottom - border - kMargin};
}

int EditControl::CharWidth(wchar_t c)
{
    auto it = widths.find(c);
    if (it != widths.end()) return it->second;
    int width = 0;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        Selected withFont(dc, FontOrDefault(font));
        SIZE size{};
        if (GetTextExtentPoint32W(dc, &c, 1, &size)) width = size.cx;
        DeleteDC(dc);
    }
    widths.emplace(c, width);
    return width;
}

const std::vector<int>& EditControl::Positions()
{
    if (positionsValid && positionsRevision == text.Revision()) return positions;
    const std::wstring& shown = text.Text();
    positions.resize(shown.size() + 1);
    int x = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        positions[i] = x;
        x += CharWidth(shown[i]);
    }
    positions[shown.size()] = x;
    positionsRevision = text.Revision();
    positionsValid = true;
    return positions;
}

int EditControl::XOf(size_t index)
{
    const std::vector<int>& x = Positions();
    return x[std::min(index, x.size() - 1)];
}

size_t EditControl::IndexAt(int x)
{
    // x is in client coordinates; the nearest boundary between characters wins.
    int target = x - TextArea().left + scrollX;
    const std::vector<int>& edges = Positions();
    auto after = std::upper_bound(edges.begin(), edges.end(), target);
    if (after == edges.begin()) return 0;
    if (after == edges.end()) return edges.size() - 1;
    auto before = after - 1;
    return static_cast<size_t>((target - *before < *after - target ? before : after) - edges.begin());
}

void EditControl::KeepCaretVisible()
{
    if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_AUTOHSCROLL)) {
        scrollX = 0;
        return;
    }
    RECT area = TextArea();
    int width = std::max<int>(area.right - area.left, 1);
    int caret = XOf(text.Caret());
    int total = XOf(text.Length());
    // Jump by a third of the width, as Windows does, rather than creeping.
    if (caret < scrollX) scrollX = std::max(0, caret - width / 3);
    else if (caret >= scrollX + width) scrollX = caret - width + width / 3;
    scrollX = std::max(0, std::min(scrollX, total - width + 1));
}

int EditControl::LineHeight()
{
    if (lineHeight > 0) return lineHeight;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        Selected withFont(dc, FontOrDefault(font));
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc, &metrics)) lineHeight = metrics.tmHeight;
        DeleteDC(dc);
    }
    return lineHeight;
}

void EditControl::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    LONG style = static_cast<LONG>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    COLORREF background = enabled && !(style & ES_READONLY) ? colour::kWindow : colour::kFace;
    RECT client;
    GetClientRect(hwnd, &client);
    RECT area = TextArea();
    FillSolid(dc, client, background);
    {
        Selected withFont(dc, FontOrDefault(font));
        SetBkMode(dc, TRANSPARENT);
        const std::wstring& shown = text.Text();
        // Only the characters that can show are laid out.
        const std::vector<int>& edges = Positions();
        int width = area.right - area.left;
        size_t first = static_cast<size_t>(std::upper_bound(edges.begin(), edges.end(), scrollX) - edges.begin());
        first = first > 0 ? first - 1 : 0;
        size_t last = static_cast<size_t>(std::lower_bound(edges.begin(), edges.end(), scrollX + width) - edges.begin());
        // A box narrower than nothing, or scrolled past the text, shows no run.
        first = std::min(first, shown.size());
        last = std::max(std::min(last, shown.size()), first);
        size_t selStart = std::clamp(text.SelectionStart(), first, last);
        size_t selEnd = std::clamp(text.SelectionEnd(), first, last);
        if (!focused && !(style & ES_NOHIDESEL)) selStart = selEnd = last;
        auto run = [&](size_t from, size_t to, COLORREF ink, bool selected) {
            if (from >= to) return;
            RECT r{area.left + XOf(from) - scrollX, area.top, area.right, area.top + LineHeight()};
            if (selected) FillSolid(dc, RECT{r.left, r.top, std::min<int>(area.left + XOf(to) - scrollX, area.right), r.bottom}, colour::kSelection);
            SetTextColor(dc, ink);
            DrawTextW(dc, shown.c_str() + from, static_cast<int>(to - from), &r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
        };
        COLORREF ink = enabled ? colour::kText : colour::kGrayText;
        run(first, selStart, ink, false);
        run(selStart, selEnd, colour::kSelectionText, true);
        run(selEnd, last, ink, false);
    }
    // The first character may start left of the text area; the margin covers it.
    FillSolid(dc, RECT{client.left, client.top, area.left, client.bottom}, background);
    FillSolid(dc, RECT{area.right, client.top, client.right, client.bottom}, background);
    if (style & WS_BORDER) Frame(dc, client, colour::kWindowFrame, colour::kWindowFrame);
    if (focused && caretOn) {
        int x = area.left + XOf(text.Caret()) - scrollX;
        if (x >= area.left - 1 && x < area.right + 1)
            FillSolid(dc, RECT{x, area.top, x + 1, std::min<int>(area.top + LineHeight(), area.bottom)}, colour::kText);
    }
    EndPaint(hwnd, &ps);
}

}  // namespace platform::controls
