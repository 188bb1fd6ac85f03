// The clipboard shared with other programs on a real X display, both ways,
// with xclip standing in for the other program. Skipped without DISPLAY or
// xclip (test.sh provides both).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/display/SdlDisplay.h"
#include "platform/win32.h"
#include "tests/support/TestWindow.h"

namespace {

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

// Places `utf8` on the desktop clipboard as another program would, and
// waits until the X server says it is there.
bool OtherProgramCopies(const std::string& utf8)
{
    const std::string file = testing::TempDir() + "clipboard-in.txt";
    std::ofstream(file, std::ios::binary) << utf8;
    return Shell("timeout 5 xclip -selection clipboard -i '" + file + "' >/dev/null 2>&1 && "
                 "for i in $(seq 50); do timeout 2 xclip -selection clipboard -o 2>/dev/null | cmp -s - '" + file +
                 "' && exit 0; sleep 0.05; done; exit 1");
}

std::wstring EditText(HWND edit)
{
    wchar_t text[64] = {};
    GetWindowTextW(edit, text, 64);
    return text;
}

class ClipboardDesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no DISPLAY: the desktop clipboard needs an X server";
        if (!Shell("command -v xclip >/dev/null 2>&1")) GTEST_SKIP() << "xclip is not installed";
        std::string reason;
        ASSERT_TRUE(display_.Open(&reason)) << reason;
        platform::SetDisplayBackend(&display_);
        HWND window = testwin::CreateTopLevel();
        edit_ = CreateWindowExW(0, L"edit", L"", WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_AUTOHSCROLL, 10, 10, 120,
                                24, window, nullptr, nullptr, nullptr);
        ASSERT_NE(edit_, nullptr);
        SendMessageW(edit_, EM_LIMITTEXT, 4, 0);
    }

    void TearDown() override
    {
        testwin::Reset();
        platform::SetDisplayBackend(nullptr);
    }

    platform::SdlDisplay display_{nullptr};
    HWND edit_ = nullptr;
};

struct Paste {
    const char* copied;  // UTF-8, by the other program
    const wchar_t* pasted;
};

// Ctrl+V in a digits-only box of four characters.
const Paste kPastes[] = {
    {"27", L"27"},
    {"1234", L"1234"},
    {"12345", L"1234"},
    {"36\nabc", L"36"},
    {"18\r\n99", L"18"},
    {"\xe9\x80\x8f\xe9\x95\x9c", L"透镜"},
};

TEST_F(ClipboardDesktopTest, CtrlVPastesWhatAnotherProgramCopied)
{
    for (const Paste& paste : kPastes) {
        ASSERT_TRUE(OtherProgramCopies(paste.copied)) << paste.copied;
        SetWindowTextW(edit_, L"");
        SendMessageW(edit_, WM_CHAR, 0x16, 0);
        EXPECT_EQ(EditText(edit_), paste.pasted) << paste.copied;
    }
}

TEST_F(ClipboardDesktopTest, AnotherProgramPastesWhatWeCopied)
{
    const wchar_t text[] = L"像距 v = 15.00 cm";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof text);
    std::memcpy(GlobalLock(memory), text, sizeof text);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_EQ(SetClipboardData(CF_UNICODETEXT, memory), memory);
    CloseClipboard();

    // The other program asks while we answer through the event loop.
    const std::string out = testing::TempDir() + "clipboard-out.txt";
    std::remove(out.c_str());
    ASSERT_TRUE(Shell("(timeout 5 xclip -selection clipboard -o > '" + out + ".part' 2>/dev/null && mv '" + out +
                      ".part' '" + out + "') &"));
    std::string pasted;
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (pasted.empty() && std::chrono::steady_clock::now() < until) {
        display_.WaitEvents(20);
        std::stringstream read;
        read << std::ifstream(out, std::ios::binary).rdbuf();
        pasted = read.str();
    }
    EXPECT_EQ(pasted, "\xe5\x83\x8f\xe8\xb7\x9d v = 15.00 cm");
}

}  // namespace
