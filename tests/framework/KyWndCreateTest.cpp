// Creating and destroying framework windows: class registration, the
// failure paths, and the two ways a window can end.
#include "tests/support/RecordingWnd.h"
#include "framework/ProgramModule.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

TEST(KyWndCreate, WindowsOfOneClassStyleShareOneClass)
{
    RecordingWnd first;
    RecordingWnd second;
    RecordingWnd other;
    ASSERT_TRUE(first.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    ASSERT_TRUE(second.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    ASSERT_TRUE(other.Create(CS_HREDRAW | CS_VREDRAW, WS_POPUP, 0, nullptr, nullptr));

    // One class per style, registered under the program's module, whose
    // name differs only in the hexadecimal part.
    for (const auto& [name, style] : {std::pair{L"_Tev_KyWnd2_classCtyle:B_", 0xBu},
                                      std::pair{L"_Tev_KyWnd2_classCtyle:3_", 0x3u}}) {
        WNDCLASSEXW registered{};
        registered.cbSize = sizeof(registered);
        ASSERT_TRUE(GetClassInfoExW(ProgramModule(), name, &registered));
        EXPECT_EQ(registered.style, style);
        EXPECT_EQ(registered.lpfnWndProc, &KyWndProc);
        EXPECT_EQ(registered.hbrBackground, nullptr);
        EXPECT_NE(registered.hCursor, nullptr);
    }
    WNDCLASSEXW unused{};
    unused.cbSize = sizeof(unused);
    EXPECT_FALSE(GetClassInfoExW(ProgramModule(), L"_Tev_KyWnd2_classCtyle:0B_", &unused));
}

TEST(KyWndCreate, FailuresLeaveTheObjectWithoutAWindow)
{
    RecordingWnd window;
    EXPECT_FALSE(window.CreateChild(nullptr, nullptr));
    EXPECT_EQ(window.GetHwnd(), nullptr);

    for (bool atCreate : {true, false}) {
        window.failCreate = atCreate;
        window.failNcCreate = !atCreate;
        EXPECT_FALSE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
        EXPECT_EQ(window.GetHwnd(), nullptr);
        EXPECT_EQ(window.BackDc(), nullptr);
        EXPECT_EQ(window.Parent(), nullptr);
    }
    // The same object can still get a window, but only one.
    window.failNcCreate = false;
    ASSERT_TRUE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    HWND first = window.GetHwnd();
    EXPECT_NE(window.BackDc(), nullptr);
    EXPECT_FALSE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    EXPECT_EQ(window.GetHwnd(), first);
}

TEST(KyWndCreate, AFailedCreationKeepsTheEarlierParentAndBackground)
{
    RecordingWnd parent;
    ASSERT_TRUE(CreateShownTopLevel(parent, 100, 100));
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), parent.BackDc()));
    DestroyWindow(child.GetHwnd());
    ASSERT_EQ(child.GetHwnd(), nullptr);

    child.failCreate = true;
    EXPECT_FALSE(child.CreateChild(parent.GetHwnd(), nullptr));
    EXPECT_EQ(child.Parent(), parent.GetHwnd());
    EXPECT_EQ(child.Background(), parent.BackDc());
}

TEST(KyWndCreate, AWindowOfAFrameworkClassNeedsItsObject)
{
    RecordingWnd window;
    ASSERT_TRUE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    HWND orphan = CreateWindowExW(0, L"_Tev_KyWnd2_classCtyle:B_", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, ProgramModule(), nullptr);
    EXPECT_EQ(orphan, nullptr);
    if (orphan != nullptr)
        DestroyWindow(orphan);
}

TEST(KyWndDestroy, DestroyingTheWindowRunsTheHandlerAndKeepsTheObject)
{
    RecordingWnd window;
    window.secondBuffer = true;
    ASSERT_TRUE(window.Create(0xB, WS_POPUP, 0, nullptr, nullptr));
    MoveWindow(window.GetHwnd(), 0, 0, 50, 40, FALSE);
    HWND handle = window.GetHwnd();
    ASSERT_NE(window.SecondDc(), nullptr);

    DestroyWindow(handle);
    const auto destroyed = window.Seen(WM_DESTROY);
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_EQ(destroyed[0].handleAtTheTime, handle);
    EXPECT_EQ(window.GetHwnd(), nullptr);
    EXPECT_EQ(window.BackDc(), nullptr);
    EXPECT_EQ(window.SecondDc(), nullptr);
    EXPECT_EQ(window.BufferWidth() + window.BufferHeight(), 0);

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
    for (const HandledMessage& entry : log) {
        EXPECT_NE(entry.message, WM_DESTROY);
        EXPECT_NE(entry.message, WM_NCDESTROY);
    }
}

TEST(KyWndDestroy, ChildObjectsOutliveTheirDestroyedParentWindow)
{
    RecordingWnd parent;
    ASSERT_TRUE(CreateShownTopLevel(parent, 100, 100));
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
    DestroyWindow(parent.GetHwnd());
    EXPECT_EQ(child.Seen(WM_DESTROY).size(), 1u);
    EXPECT_EQ(child.GetHwnd(), nullptr);
    EXPECT_EQ(parent.GetHwnd(), nullptr);
}
