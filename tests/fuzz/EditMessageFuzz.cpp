// The "edit" control under any sequence of messages. After each one the
// selection lies within the text, and only the program's own WM_SETTEXT,
// EM_LIMITTEXT and undo may leave the text longer than its limit.
#include "platform/win32.h"
#include "tests/fuzz/FuzzBytes.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

using kyfuzz::FuzzBytes;

// One message from the input; true when it may set the text past the limit.
bool SendOne(HWND edit, FuzzBytes& bytes)
{
    switch (bytes.Take<std::uint8_t>() % 10) {
    case 0: SendMessageW(edit, WM_CHAR, bytes.Take<std::uint32_t>(), 1); return false;
    case 1: SendMessageW(edit, EM_SETSEL, bytes.Take<std::int32_t>(), bytes.Take<std::int32_t>()); return false;
    case 2: {
        std::wstring text(bytes.Take<std::uint8_t>(), L'\0');
        for (wchar_t& c : text) c = static_cast<wchar_t>(bytes.Take<std::uint32_t>());
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return true;
    }
    case 3: {
        // Mostly small limits, which typing reaches; sometimes any at all.
        const auto limit = bytes.Take<std::uint32_t>();
        SendMessageW(edit, EM_LIMITTEXT, limit >> 31 ? limit : limit % 40, 0);
        return true;
    }
    case 4: {
        // A clipboard block of any byte size, not necessarily whole
        // characters nor terminated.
        const std::size_t size = bytes.Take<std::uint8_t>();
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
            auto* block = static_cast<std::uint8_t*>(GlobalLock(memory));
            for (std::size_t i = 0; i < size; ++i) block[i] = bytes.Take<std::uint8_t>();
            GlobalUnlock(memory);
            const bool open = OpenClipboard(nullptr);
            if (!open || (EmptyClipboard(), SetClipboardData(CF_UNICODETEXT, memory) == nullptr)) GlobalFree(memory);
            if (open) CloseClipboard();
        }
        SendMessageW(edit, WM_PASTE, 0, 0);
        return false;
    }
    case 5: MoveWindow(edit, 0, 0, bytes.Take<std::int16_t>(), bytes.Take<std::int16_t>(), TRUE); return false;
    case 6: SendMessageW(edit, WM_SIZE, SIZE_RESTORED, bytes.Take<std::uint32_t>()); return false;
    case 7: SendMessageW(edit, WM_KEYDOWN, bytes.Take<std::uint8_t>(), 1); return false;
    case 8: {
        static const UINT kCommands[] = {WM_CUT, WM_COPY, WM_CLEAR, WM_UNDO, EM_UNDO, WM_PAINT};
        const UINT command = kCommands[bytes.Take<std::uint8_t>() % std::size(kCommands)];
        SendMessageW(edit, command, 0, 0);
        return command == WM_UNDO || command == EM_UNDO;
    }
    default: UpdateWindow(edit); return false;
    }
}

}  // namespace

// Input: the style byte (ES_NUMBER or not), then messages.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const WNDCLASSEXW parentClass{sizeof parentClass, 0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"EditFuzzParent", nullptr};
    static const bool registered = RegisterClassExW(&parentClass) != 0;
    HWND parent = CreateWindowExW(0, L"EditFuzzParent", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 60, nullptr, nullptr, nullptr, nullptr);
    FuzzBytes bytes(data, size);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | (bytes.Take<std::uint8_t>() % 2 ? ES_NUMBER : 0);
    HWND edit = CreateWindowExW(0, L"edit", L"", style, 10, 10, 60, 23, parent, nullptr, nullptr, nullptr);
    SetFocus(edit);
    std::size_t length = 0;
    while (!bytes.Empty()) {
        const bool mayExceed = SendOne(edit, bytes);
        const auto now = static_cast<std::size_t>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0));
        const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
        DWORD start = 0, end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (!registered || start > end || end > now || (!mayExceed && now > std::max(limit, length))) std::abort();
        length = now;
    }
    DestroyWindow(parent);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    return 0;
}
