// What the control conformance tests share: a recording parent window and
// the notifications its controls sent it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace controltest {

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = testwin::CreateTopLevel(100, 100, 400, 300);
        SetForegroundWindow(parent);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
    }
    void TearDown() override
    {
        kytest::KeyUp(parent, VK_SHIFT);
        kytest::KeyUp(parent, VK_CONTROL);
        kytest::PumpUntilIdle();
        testwin::Reset();
    }

    HWND Create(const wchar_t* className, DWORD style, int x, int y, int width, int height, int id,
                const wchar_t* text = L"")
    {
        return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // The notification codes of WM_COMMAND from `control` with id `id`.
    static std::vector<WORD> Commands(HWND control, int id)
    {
        std::vector<WORD> codes;
        for (const testwin::Entry& e : testwin::EntriesOf(WM_COMMAND)) {
            if (reinterpret_cast<HWND>(e.lParam) != control) continue;
            EXPECT_EQ(LOWORD(e.wParam), id);
            codes.push_back(HIWORD(e.wParam));
        }
        return codes;
    }

    static std::wstring TextOf(HWND hwnd)
    {
        auto length = static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        auto copied = static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
        text.resize(static_cast<size_t>(copied));
        return text;
    }

    HWND parent = nullptr;
};

}  // namespace controltest
