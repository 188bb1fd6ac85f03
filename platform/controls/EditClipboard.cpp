// The edit control's clipboard commands, through the Win32 clipboard as any
// program would use it.
#include <algorithm>
#include <cwchar>

#include "platform/controls/EditControl.h"

namespace platform::controls {

void EditControl::Copy()
{
    if (!text.HasSelection()) return;
    size_t start = text.SelectionStart(), count = text.SelectionEnd() - start;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (count + 1) * sizeof(wchar_t));
    if (!memory) return;
    auto* data = static_cast<wchar_t*>(GlobalLock(memory));
    if (!data) {
        GlobalFree(memory);
        return;
    }
    std::wmemcpy(data, text.Text().c_str() + start, count);
    data[count] = 0;
    GlobalUnlock(memory);
    if (!OpenClipboard(hwnd)) {
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
    if (!text.HasSelection()) return;
    Copy();
    Clear();
}

void EditControl::Paste()
{
    if (!OpenClipboard(hwnd)) return;
    std::wstring pasted;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* data = static_cast<const wchar_t*>(GlobalLock(memory))) {
            // Only the first line goes into a single-line control; a block
            // without its terminator ends where the block ends.
            size_t capacity = GlobalSize(memory) / sizeof(wchar_t);
            const wchar_t* end = std::find_if(data, data + capacity, [](wchar_t c) {
                return c == 0 || c == L'\r' || c == L'\n';
            });
            pasted.assign(data, end);
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    if (!pasted.empty()) InsertLimited(pasted, false);
}

}  // namespace platform::controls
