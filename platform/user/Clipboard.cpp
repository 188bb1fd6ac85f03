// One process-wide clipboard: who has it open, and the one block of Unicode
// text it owns. Other programs see the text through the display, and the
// display's text, when another program placed it, replaces ours on reading.
#include "platform/user/Clipboard.h"

#include <algorithm>
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

// Another program may have placed text since we last looked; then a block
// of ours takes its place, owned like one a caller gave us.
void AdoptDesktopText()
{
    std::wstring desktop;
    if (!platform::Display().ReadClipboardText(&desktop)) return;
    if (state().text && TextOf(state().text) == desktop) return;
    FreeText();
    if (desktop.empty()) return;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (desktop.size() + 1) * sizeof(wchar_t));
    auto* chars = block ? static_cast<wchar_t*>(GlobalLock(block)) : nullptr;
    if (!chars) {
        if (block) GlobalFree(block);
        return;
    }
    std::copy(desktop.c_str(), desktop.c_str() + desktop.size() + 1, chars);
    GlobalUnlock(block);
    state().text = block;
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
    if (!RequireOpen() || format != CF_UNICODETEXT) return nullptr;
    AdoptDesktopText();
    return state().text;
}

