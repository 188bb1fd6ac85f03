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
        text_.SetText(cs && cs->lpszName ? cs->lpszName : L"");
        return TRUE;
    }
    case WM_SETTEXT: SetText(reinterpret_cast<LPCWSTR>(lParam)); return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        if (!buffer || wParam == 0) return 0;
        size_t count = std::min<size_t>(text_.Length(), wParam - 1);
        std::copy_n(text_.Text().c_str(), count, buffer);
        buffer[count] = 0;
        return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(text_.Length());
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        widths_.clear();
        positionsValid_ = false;
        lineHeight_ = 0;
        KeepCaretVisible();
        if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_CHAR: TypeCharacter(static_cast<wchar_t>(wParam)); return 0;
    case WM_KEYDOWN: KeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_LBUTTONDOWN: Press(x, (wParam & MK_SHIFT) != 0); return 0;
    case WM_LBUTTONDBLCLK: DoubleClick(x); return 0;
    case WM_MOUSEMOVE: Drag(x); return 0;
    case WM_LBUTTONUP: Release(); return 0;
    case WM_CAPTURECHANGED: selecting_ = false; return 0;
    case WM_SETFOCUS: FocusGained(); return 0;
    case WM_KILLFOCUS: FocusLost(); return 0;
    case WM_TIMER:
        if (wParam == kBlinkTimer) Blink();
        return 0;
    case WM_SIZE: KeepCaretVisible(); InvalidateRect(hwnd_, nullptr, TRUE); return 0;
    case WM_ENABLE: InvalidateRect(hwnd_, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case EM_GETSEL: return GetSelection(wParam, lParam);
    case EM_SETSEL: SetSelection(wParam, lParam); return 1;
    case EM_REPLACESEL: InsertLimited(lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"", false); return 0;
    case EM_LIMITTEXT: text_.SetLimit(wParam ? static_cast<size_t>(wParam) : kNoLimit); return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(text_.Limit());
    case EM_CANUNDO: return text_.CanUndo();
    case EM_UNDO:
    case WM_UNDO: return text_.Undo() && Changed();
    case WM_CLEAR: Clear(); return 0;
    case WM_COPY: Copy(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_PASTE: Paste(); return 0;
    default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void EditControl::SetText(LPCWSTR text)
{
    // Neither the limit nor ES_NUMBER applies to text the program sets.
    text_.SetText(text ? text : L"");
    scrollX_ = 0;
    Changed();
}

void EditControl::TypeCharacter(wchar_t c)
{
    LONG style = static_cast<LONG>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    bool readOnly = (style & ES_READONLY) != 0;
    switch (c) {
    case 0x01: text_.Select(0, text_.Length()); SelectionMoved(); return;
    case 0x03: Copy(); return;
    case 0x16:
        if (!readOnly) Paste();
        return;
    case 0x18:
        if (!readOnly) Cut();
        return;
    case 0x08:
        if (!readOnly && text_.DeleteBackward()) Changed();
        return;
    case 0x1A:
        if (!readOnly && text_.Undo()) Changed();
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

void EditControl::InsertLimited(const std::wstring& text, bool typing)
{
    bool truncated = false;
    text_.ReplaceSelection(text, true, typing, &truncated);
    HWND hwnd = hwnd_;
    if (truncated) {
        NotifyParent(hwnd, EN_MAXTEXT);
        if (!IsWindow(hwnd)) return;
    }
    // Windows notifies even when nothing fitted and the text is unchanged.
    Changed();
}

void EditControl::Clear()
{
    if (text_.HasSelection() && text_.ReplaceSelection(std::wstring(), false, false)) Changed();
}

void EditControl::KeyDown(UINT key)
{
    bool shift = KeyHeld(VK_SHIFT), control = KeyHeld(VK_CONTROL);
    size_t caret = text_.Caret();
    switch (key) {
    case VK_LEFT:
        text_.MoveCaret(control ? text_.WordLeft(caret) : caret > 0 ? caret - 1 : 0, shift);
        break;
    case VK_RIGHT: text_.MoveCaret(control ? text_.WordRight(caret) : caret + 1, shift); break;
    case VK_HOME: text_.MoveCaret(0, shift); break;
    case VK_END: text_.MoveCaret(text_.Length(), shift); break;
    case VK_INSERT:
        if (control) Copy();
        else if (shift) Paste();
        return;
    case VK_DELETE:
        if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ES_READONLY) return;
        if (shift && text_.HasSelection()) Cut();
        else if (shift) {
            // Shift+Delete with nothing selected deletes to the left, as Backspace.
            if (text_.DeleteBackward()) Changed();
        } else if (text_.HasSelection()) Clear();
        else if (text_.DeleteForward()) Changed();
        return;
    default: return;
    }
    SelectionMoved();
}

void EditControl::SetSelection(WPARAM start, LPARAM end)
{
    auto first = static_cast<int>(start);
    if (first == -1) {
        text_.MoveCaret(text_.Caret(), false);
    } else {
        // A negative end means the end of the text.
        auto last = static_cast<int>(end);
        text_.Select(static_cast<size_t>(first < 0 ? 0 : first), last < 0 ? text_.Length() : static_cast<size_t>(last));
    }
    SelectionMoved();
}

LRESULT EditControl::GetSelection(WPARAM start, LPARAM end) const
{
    auto first = static_cast<DWORD>(text_.SelectionStart()), last = static_cast<DWORD>(text_.SelectionEnd());
    if (auto* p = reinterpret_cast<DWORD*>(start)) *p = first;
    if (auto* p = reinterpret_cast<DWORD*>(end)) *p = last;
    return MAKELRESULT(std::min<DWORD>(first, 0xFFFF), std::min<DWORD>(last, 0xFFFF));
}

bool EditControl::Changed()
{
    HWND hwnd = hwnd_;
    KeepCaretVisible();
    NotifyParent(hwnd, EN_UPDATE);
    if (!IsWindow(hwnd)) return false;
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_CHANGE);
    return IsWindow(hwnd) != FALSE;
}

void EditControl::SelectionMoved()
{
    KeepCaretVisible();
    caretOn_ = true;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void EditControl::Press(int x, bool extend)
{
    HWND hwnd = hwnd_;
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
        if (StateOf<EditControl>(hwnd) != this) return;
    }
    SetCapture(hwnd_);
    selecting_ = true;
    text_.MoveCaret(IndexAt(x), extend);
    SelectionMoved();
}

void EditControl::Drag(int x)
{
    if (!selecting_ || GetCapture() != hwnd_) return;
    size_t index = IndexAt(x);
    if (index == text_.Caret()) return;
    text_.MoveCaret(index, true);
    SelectionMoved();
}

void EditControl::Release()
{
    if (!selecting_) return;
    selecting_ = false;
    if (GetCapture() == hwnd_) ReleaseCapture();
}

void EditControl::DoubleClick(int x)
{
    text_.SelectWordAt(IndexAt(x));
    SelectionMoved();
}

void EditControl::FocusGained()
{
    focused_ = true;
    caretOn_ = true;
    SetTimer(hwnd_, kBlinkTimer, kBlinkMs, nullptr);
    InvalidateRect(hwnd_, nullptr, TRUE);
    NotifyParent(hwnd_, EN_SETFOCUS);
}

void EditControl::FocusLost()
{
    focused_ = false;
    selecting_ = false;
    KillTimer(hwnd_, kBlinkTimer);
    InvalidateRect(hwnd_, nullptr, TRUE);
    NotifyParent(hwnd_, EN_KILLFOCUS);
}

void EditControl::Blink()
{
    if (!focused_) return;
    caretOn_ = !caretOn_;
    RECT area = TextArea();
    int x = area.left + XOf(text_.Caret()) - scrollX_;
    RECT caret{x, area.top, x + 1, area.top + LineHeight()};
    InvalidateRect(hwnd_, &caret, FALSE);
}

RECT EditControl::TextArea() const
{
    RECT client;
    GetClientRect(hwnd_, &client);
    int border = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_BORDER) ? 1 : 0;
    return RECT{client.left + border + kMargin, client.top + border + kMargin, client.right - border - kMargin,
                client.bottom - border - kMargin};
}

int EditControl::CharWidth(wchar_t c)
{
    auto it = widths_.find(c);
    if (it != widths_.end()) return it->second;
    int width = 0;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        Selected font(dc, FontOrDefault(font_));
        SIZE size{};
        if (GetTextExtentPoint32W(dc, &c, 1, &size)) width = size.cx;
        DeleteDC(dc);
    }
    widths_.emplace(c, width);
    return width;
}

const std::vector<int>& EditControl::Positions()
{
    if (positionsValid_ && positionsRevision_ == text_.Revision()) return positions_;
    const std::wstring& text = text_.Text();
    positions_.resize(text.size() + 1);
    int x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        positions_[i] = x;
        x += CharWidth(text[i]);
    }
    positions_[text.size()] = x;
    positionsRevision_ = text_.Revision();
    positionsValid_ = true;
    return positions_;
}

int EditControl::XOf(size_t index)
{
    const std::vector<int>& x = Positions();
    return x[std::min(index, x.size() - 1)];
}

size_t EditControl::IndexAt(int x)
{
    // x is in client coordinates; the nearest boundary between characters wins.
    int target = x - TextArea().left + scrollX_;
    const std::vector<int>& edges = Positions();
    auto after = std::upper_bound(edges.begin(), edges.end(), target);
    if (after == edges.begin()) return 0;
    if (after == edges.end()) return edges.size() - 1;
    auto before = after - 1;
    return static_cast<size_t>((target - *before < *after - target ? before : after) - edges.begin());
}

void EditControl::KeepCaretVisible()
{
    if (!(GetWindowLongPtrW(hwnd_, GWL_STYLE) & ES_AUTOHSCROLL)) {
        scrollX_ = 0;
        return;
    }
    RECT area = TextArea();
    int width = std::max<int>(area.right - area.left, 1);
    int caret = XOf(text_.Caret());
    int total = XOf(text_.Length());
    // Jump by a third of the width, as Windows does, rather than creeping.
    if (caret < scrollX_) scrollX_ = std::max(0, caret - width / 3);
    else if (caret >= scrollX_ + width) scrollX_ = caret - width + width / 3;
    scrollX_ = std::max(0, std::min(scrollX_, total - width + 1));
}

int EditControl::LineHeight()
{
    if (lineHeight_ > 0) return lineHeight_;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        Selected font(dc, FontOrDefault(font_));
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc, &metrics)) lineHeight_ = metrics.tmHeight;
        DeleteDC(dc);
    }
    return lineHeight_;
}

void EditControl::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (!dc) return;
    LONG style = static_cast<LONG>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    COLORREF background = enabled && !(style & ES_READONLY) ? colour::kWindow : colour::kFace;
    RECT client;
    GetClientRect(hwnd_, &client);
    RECT area = TextArea();
    FillSolid(dc, client, background);
    {
        Selected font(dc, FontOrDefault(font_));
        SetBkMode(dc, TRANSPARENT);
        const std::wstring& text = text_.Text();
        // Only the characters that can show are laid out.
        const std::vector<int>& edges = Positions();
        int width = area.right - area.left;
        size_t first = static_cast<size_t>(std::upper_bound(edges.begin(), edges.end(), scrollX_) - edges.begin());
        first = first > 0 ? first - 1 : 0;
        size_t last = static_cast<size_t>(std::lower_bound(edges.begin(), edges.end(), scrollX_ + width) - edges.begin());
        // A box narrower than nothing, or scrolled past the text, shows no run.
        first = std::min(first, text.size());
        last = std::max(std::min(last, text.size()), first);
        size_t selStart = std::clamp(text_.SelectionStart(), first, last);
        size_t selEnd = std::clamp(text_.SelectionEnd(), first, last);
        if (!focused_ && !(style & ES_NOHIDESEL)) selStart = selEnd = last;
        auto run = [&](size_t from, size_t to, COLORREF ink, bool selected) {
            if (from >= to) return;
            RECT r{area.left + XOf(from) - scrollX_, area.top, area.right, area.top + LineHeight()};
            if (selected) FillSolid(dc, RECT{r.left, r.top, std::min<int>(area.left + XOf(to) - scrollX_, area.right), r.bottom}, colour::kSelection);
            SetTextColor(dc, ink);
            DrawTextW(dc, text.c_str() + from, static_cast<int>(to - from), &r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
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
    if (focused_ && caretOn_) {
        int x = area.left + XOf(text_.Caret()) - scrollX_;
        if (x >= area.left - 1 && x < area.right + 1)
            FillSolid(dc, RECT{x, area.top, x + 1, std::min<int>(area.top + LineHeight(), area.bottom)}, colour::kText);
    }
    EndPaint(hwnd_, &ps);
}

}  // namespace platform::controls
