// The edit control's clipboard commands, through the Win32 clipboard as any
// program would use it.
#include <algorithm>
#include <cwchar>

#include "platform/controls/EditControl.h"

namespace platform::controls {

void EditControl::Copy()
{
    if (!text_.HasSelection()) return;
    size_t start = text_.SelectionStart(), count = text_.SelectionEnd() - start;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (count + 1) * sizeof(wchar_t));
    if (!memory) return;
    auto* data = static_cast<wchar_t*>(GlobalLock(memory));
    if (!data) {
        GlobalFree(memory);
        return;
    }
    std::wmemcpy(data, text_.Text().c_str() + start, count);
    data[count] = 0;
    GlobalUnlock(memory);
    if (!OpenClipboard(hwnd_)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the block once it took it.
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

void EditControl::Cut()
{
    if (!text_.HasSelection()) return;
    Copy();
    Clear();
}

void EditControl::Paste()
{
    if (!OpenClipboard(hwnd_)) return;
    std::wstring text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* data = static_cast<const wchar_t*>(GlobalLock(memory))) {
            // Only the first line goes into a single-line control; a block
            // without its terminator ends where the block ends.
            size_t capacity = GlobalSize(memory) / sizeof(wchar_t);
            const wchar_t* end = std::find_if(data, data + capacity, [](wchar_t c) {
                return c == 0 || c == L'\r' || c == L'\n';
            });
            text.assign(data, end);
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    if (!text.empty()) InsertLimited(text, false);
}

}  // namespace platform::controls
