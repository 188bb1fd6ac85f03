// CenterWindow against real windows: a child in its parent's client area, a
// top-level window in the work area the system reports.
#include "app/CenterWindow.h"

#include "platform/win32.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Windows : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassExW(&windowClass);
    }
    void TearDown() override
    {
        for (HWND window : created)
            DestroyWindow(window);
    }
    HWND Make(DWORD style, int x, int y, int w, int h, HWND parent)
    {
        HWND window = CreateWindowExW(0, kClass, L"", style, x, y, w, h, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        if (window != nullptr && parent == nullptr)
            created.push_back(window);
        return window;
    }

    static constexpr const wchar_t* kClass = L"CenterWindowTest";
    std::vector<HWND> created;
};

RECT PlaceInParent(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    ScreenToClient(GetParent(child), &corners[0]);
    ScreenToClient(GetParent(child), &corners[1]);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

}  // namespace

TEST_F(Windows, ChildIsCentredInItsParentsClientArea)
{
    HWND parent = Make(WS_POPUP, 50, 60, 400, 300, nullptr);
    ASSERT_NE(parent, nullptr);
    HWND child = Make(WS_CHILD, 7, 9, 101, 50, parent);
    ASSERT_NE(child, nullptr);

    CenterWindow(child);
    const RECT r = PlaceInParent(child);
    EXPECT_EQ(r.left, (400 - 101) / 2);
    EXPECT_EQ(r.top, (300 - 50) / 2);
    EXPECT_EQ(r.right - r.left, 101);
    EXPECT_EQ(r.bottom - r.top, 50);
}

TEST_F(Windows, TopLevelIsCentredInTheWorkArea)
{
    HWND window = Make(WS_POPUP, 3, 4, 320, 200, nullptr);
    ASSERT_NE(window, nullptr);
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));

    CenterWindow(window);
    RECT r{};
    GetWindowRect(window, &r);
    const POINT expected = CenteredOrigin(work, 320, 200);
    EXPECT_EQ(r.left, expected.x);
    EXPECT_EQ(r.top, expected.y);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 200);
}
