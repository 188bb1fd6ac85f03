// The model inside a view that has a window: the edit control shows the
// focal length in force, and every computation asks for a redraw.
#include "ModelProbe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Any window that keeps its text stands in for the edit control.
HWND CreateTextHolder(HWND parent)
{
    WNDCLASSEXW holder{};
    holder.cbSize = sizeof(holder);
    holder.lpfnWndProc = DefWindowProcW;
    holder.hInstance = GetModuleHandleW(nullptr);
    holder.lpszClassName = L"KyTestTextHolder";
    RegisterClassExW(&holder);
    return CreateWindowExW(0, L"KyTestTextHolder", L"", WS_CHILD | WS_VISIBLE, 0, 0, 60, 23, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::wstring TextOf(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

}  // namespace

TEST(ViewWindow, RecomputeShowsTheFocalLengthAndRedraws)
{
    ConvexProbe view;
    ASSERT_TRUE(view.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    MoveWindow(view.GetHwnd(), 0, 0, 300, 200, FALSE);
    ShowWindow(view.GetHwnd(), SW_SHOW);
    view.focalEdit = CreateTextHolder(view.GetHwnd());
    ASSERT_NE(view.focalEdit, nullptr);

    ValidateRect(view.GetHwnd(), nullptr);
    view.Recompute();
    EXPECT_EQ(TextOf(view.focalEdit), L"10.00");
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(view.GetHwnd(), &update, FALSE));
    EXPECT_EQ(update.right, 300);
    EXPECT_EQ(update.bottom, 200);

    view.focalLength = 7.0f;
    view.Recompute();
    EXPECT_EQ(TextOf(view.focalEdit), L"7.00");

    ConcaveProbe concave;
    ASSERT_TRUE(concave.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    concave.focalEdit = view.focalEdit;
    concave.focalLength = 50.0f;
    concave.Recompute();
    EXPECT_EQ(TextOf(view.focalEdit), L"50.00");
}
