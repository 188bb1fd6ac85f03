// The clipboard shared with other programs on a real X display, both ways,
// with xclip standing in for the other program. Skipped without DISPLAY or
// xclip (test.sh provides both).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/display/SdlDisplay.h"
#include "tests/support/ClipboardText.h"
#include "tests/support/TestWindow.h"

namespace {

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

class ClipboardDesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no DISPLAY: the desktop clipboard needs an X server";
        if (!Shell("command -v xclip >/dev/null 2>&1")) GTEST_SKIP() << "xclip is not installed";
        std::string reason;
        ASSERT_TRUE(display.Open(&reason)) << reason;
        platform::SetDisplayBackend(&display);
        window = testwin::CreateTopLevel();
    }
    void TearDown() override
    {
        testwin::Reset();
        platform::SetDisplayBackend(nullptr);
    }

    platform::SdlDisplay display{nullptr};
    HWND window = nullptr;
};

// Ctrl+V in a digits-only box of four characters of what another program
// copied (UTF-8, placed there by xclip, which waits until the X server has it).
TEST_F(ClipboardDesktopTest, CtrlVPastesWhatAnotherProgramCopied)
{
    HWND edit = CreateWindowExW(0, L"edit", L"", WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_AUTOHSCROLL, 10, 10, 120, 24,
                                window, nullptr, nullptr, nullptr);
    SendMessageW(edit, EM_LIMITTEXT, 4, 0);
    const struct { const char* copied; const wchar_t* pasted; } pastes[] = {
        {"27", L"27"}, {"1234", L"1234"}, {"12345", L"1234"}, {"36\nabc", L"36"}, {"18\r\n99", L"18"},
        {"\xe9\x80\x8f\xe9\x95\x9c", L"透镜"}};
    const std::string file = testing::TempDir() + "clipboard-in.txt";
    for (const auto& paste : pastes) {
        std::ofstream(file, std::ios::binary) << paste.copied;
        ASSERT_TRUE(Shell("timeout 5 xclip -selection clipboard -i '" + file + "' >/dev/null 2>&1 && for i in $(seq 50); "
                          "do timeout 2 xclip -selection clipboard -o 2>/dev/null | cmp -s - '" + file +
                          "' && exit 0; sleep 0.05; done; exit 1"))
            << paste.copied;
        SetWindowTextW(edit, L"");
        SendMessageW(edit, WM_CHAR, 0x16, 0);
        wchar_t text[64] = {};
        GetWindowTextW(edit, text, 64);
        EXPECT_STREQ(text, paste.pasted) << paste.copied;
    }
}

// The other program asks while we answer through the event loop.
TEST_F(ClipboardDesktopTest, AnotherProgramPastesWhatWeCopied)
{
    ASSERT_TRUE(cliptext::Put(L"像距 v = 15.00 cm"));
    const std::string out = testing::TempDir() + "clipboard-out.txt";
    std::remove(out.c_str());
    ASSERT_TRUE(Shell("(timeout 5 xclip -selection clipboard -o > '" + out + ".part' 2>/dev/null && mv '" + out +
                      ".part' '" + out + "') &"));
    std::string pasted;
    for (auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
         pasted.empty() && std::chrono::steady_clock::now() < until;) {
        display.WaitEvents(20);
        std::stringstream read;
        read << std::ifstream(out, std::ios::binary).rdbuf();
        pasted = read.str();
    }
    EXPECT_EQ(pasted, "\xe5\x83\x8f\xe8\xb7\x9d v = 15.00 cm");
}

}  // namespace
