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
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
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
