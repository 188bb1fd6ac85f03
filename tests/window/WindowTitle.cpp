// Prints the caption of the program's main window as UTF-8, for the real-
// window test under Wine: inside Wine's virtual desktop the caption is drawn
// by Wine, so X tools cannot read it. Exit status 1 when no such window exists.
#include "platform/win32.h"

#include <cstdio>
#include <string>

namespace {

// Every top-level window of class style 0xB the framework registers.
constexpr wchar_t kMainClass[] = L"_Tev_KyWnd2_classCtyle:B_";

std::string Utf8(const std::wstring& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned long c = static_cast<unsigned short>(text[i]);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<unsigned short>(text[++i]) - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

int wmain()
{
    HWND window = FindWindowW(kMainClass, nullptr);
    if (window == nullptr)
        return 1;
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    const std::string text = Utf8(buffer);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
