// One process-wide clipboard: who has it open, and the one block of Unicode
// text it owns. Every other program sees the text through the display.
#include "platform/user/Clipboard.h"

#include <string>

#include "platform/display/DisplayBackend.h"
#include "platform/gdiplus/GlobalMemory.h"
#include "platform/kernel/kernel.h"
#include "platform/user/WindowTree.h"

namespace {

struct ClipboardState {
    bool open = false;
    HWND openedBy = nullptr;
    HGLOBAL text = nullptr;  // owned: freed when emptied or replaced
};

ClipboardState& state()
{
    static ClipboardState s;
    return s;
}

bool RequireOpen()
{
    if (state().open) return true;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return false;
}

void FreeText()
{
    if (state().text) GlobalFree(state().text);
    state().text = nullptr;
}

// The text in a block, read no further than the block's size: a caller that
// sized it in UTF-16 units or forgot the terminator still gives safe text.
std::wstring TextOf(HGLOBAL memory)
{
    std::wstring text;
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(memory));
    if (!chars) return text;
    SIZE_T count = GlobalSize(memory) / sizeof(wchar_t);
    for (SIZE_T i = 0; i < count && chars[i]; ++i) text.push_back(chars[i]);
    GlobalUnlock(memory);
    return text;
}

}  // namespace

BOOL OpenClipboard(HWND owner)
{
    if (owner && !platform::user::Find(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    ClipboardState& s = state();
    // The one who has it open may open it again; anyone else waits for the close.
    if (s.open && s.openedBy != owner) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    s.open = true;
    s.openedBy = owner;
    return TRUE;
}

BOOL CloseClipboard()
{
    if (!RequireOpen()) return FALSE;
    state().open = false;
    state().openedBy = nullptr;
    return TRUE;
}

BOOL EmptyClipboard()
{
    if (!RequireOpen()) return FALSE;
    FreeText();
    platform::Display().SetClipboardText(L"");
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data)
{
    if (!RequireOpen()) return nullptr;
    // Delayed rendering (null data) and other formats are not offered.
    if (format != CF_UNICODETEXT || !data || !platform::ole::IsBlock(data)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (data != state().text) FreeText();
    state().text = data;
    platform::Display().SetClipboardText(TextOf(data).c_str());
    return data;
}

HANDLE GetClipboardData(UINT format)
{
    if (!RequireOpen()) return nullptr;
    return format == CF_UNICODETEXT ? state().text : nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) { return format == CF_UNICODETEXT && state().text; }
