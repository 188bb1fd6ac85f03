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
    }
    void TearDown() override
    {
        kytest::KeyUp(parent, VK_SHIFT);
        kytest::PumpUntilIdle();
        testwin::Reset();
    }

    // A child control of `parent`, created, focused when asked, and settled.
    HWND Create(const wchar_t* className, DWORD style, int x, int y, int width, int height, int id,
                const wchar_t* text = L"", bool focus = false)
    {
        HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        EXPECT_NE(control, nullptr);
        if (focus) SetFocus(control);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
        return control;
    }

    // The notification codes of WM_COMMAND from `control` with id `id`.
    static std::vector<WORD> Commands(HWND control, int id)
    {
        std::vector<WORD> codes;
        for (const testwin::Entry& e : testwin::EntriesOf(WM_COMMAND))
            if (reinterpret_cast<HWND>(e.lParam) == control && LOWORD(e.wParam) == id) codes.push_back(HIWORD(e.wParam));
        return codes;
    }

    static std::wstring TextOf(HWND hwnd)
    {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    HWND parent = nullptr;
};

}  // namespace controltest
