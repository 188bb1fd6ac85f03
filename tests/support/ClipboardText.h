// Unicode text on the clipboard, handed over and read back the way the
// status display and the edit control do it.
#pragma once

#include <cstring>
#include <string>

#include "platform/win32.h"

namespace cliptext {

// A movable block holding the first `bytes` bytes of `text`.
inline HGLOBAL Block(const wchar_t* text, size_t bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    return memory;
}

// Opens without an owner, empties, hands over `text` and closes.
inline bool Put(const std::wstring& text)
{
    if (!OpenClipboard(nullptr)) return false;
    HGLOBAL memory = Block(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    const bool taken = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) == memory;
    return CloseClipboard() && taken;
}

inline std::wstring Get()
{
    if (!OpenClipboard(nullptr)) return L"<not opened>";
    std::wstring text = L"<no data>";
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

}  // namespace cliptext
