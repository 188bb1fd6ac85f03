// Creating and destroying framework windows: class registration, the
// failure paths, and the two ways a window can end.
#include "tests/support/RecordingWnd.h"
#include "framework/ProgramModule.h"

#include <gtest/gtest.h>

#include <memory>

TEST(KyWndCreate, OneClassPerStyleNamedByItsHexadecimalValue)
{
    RecordingWnd first, second;
    ASSERT_TRUE(first.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    ASSERT_TRUE(second.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof(registered);
    ASSERT_TRUE(GetClassInfoExW(ProgramModule(), L"_Tev_KyWnd2_classCtyle:B_", &registered));
    EXPECT_EQ(registered.style, 0xBu);
    EXPECT_EQ(registered.lpfnWndProc, &KyWndProc);
    EXPECT_EQ(registered.hbrBackground, nullptr);
    EXPECT_NE(registered.hCursor, nullptr);
    EXPECT_FALSE(GetClassInfoExW(ProgramModule(), L"_Tev_KyWnd2_classCtyle:0B_", &registered));
    // A window of the class without its object is refused.
    EXPECT_EQ(CreateWindowExW(0, L"_Tev_KyWnd2_classCtyle:B_", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              ProgramModule(), nullptr),
              nullptr);
}

TEST(KyWndCreate, FailuresLeaveTheObjectWithoutAWindowAndASecondWindowIsRefused)
{
    RecordingWnd window;
    EXPECT_FALSE(window.CreateChild(nullptr, nullptr));
    for (bool atCreate : {true, false}) {
        window.failCreate = atCreate;
        window.failNcCreate = !atCreate;
        EXPECT_FALSE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
        EXPECT_EQ(window.GetHwnd(), nullptr);
        EXPECT_EQ(window.BackDc(), nullptr);
    }
    window.failNcCreate = false;
    ASSERT_TRUE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    HWND first = window.GetHwnd();
    EXPECT_FALSE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    EXPECT_EQ(window.GetHwnd(), first);
}

TEST(KyWndDestroy, DestroyingTheWindowRunsTheHandlerAndKeepsTheObject)
{
    RecordingWnd window;
    ASSERT_TRUE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    HWND handle = window.GetHwnd();
    DestroyWindow(handle);
    const auto destroyed = window.Seen(WM_DESTROY);
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_EQ(destroyed[0].handleAtTheTime, handle);
    EXPECT_EQ(window.GetHwnd(), nullptr);
    EXPECT_EQ(window.BackDc(), nullptr);  // what it held is counted in the buffer test
    // Still registered: a new window on the same object dispatches to it.
    ASSERT_TRUE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    EXPECT_EQ(window.Seen(WM_CREATE).size(), 2u);
}

TEST(KyWndDestroy, DestroyingTheObjectDestroysTheWindowWithoutItsHandler)
{
    std::vector<HandledMessage> log;
    auto window = std::make_unique<RecordingWnd>();
    window->log = &log;
    ASSERT_TRUE(window->Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    HWND handle = window->GetHwnd();
    window.reset();
    EXPECT_FALSE(IsWindow(handle));
    for (const HandledMessage& entry : log)
        EXPECT_TRUE(entry.message != WM_DESTROY && entry.message != WM_NCDESTROY);
}
