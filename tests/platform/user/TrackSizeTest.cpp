// A sizable or overlapped top-level window is held within the tracking sizes
// its procedure answers to WM_GETMINMAXINFO, however it is sized; a plain
// pop-up is not.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

constexpr POINT kMinTrack{300, 200};
constexpr POINT kMaxTrack{800, 600};

struct TrackCase {
    DWORD style;
    SIZE requested, expected;
};

const TrackCase kCases[] = {
    {WS_OVERLAPPEDWINDOW, {50, 50}, {300, 200}},
    {WS_OVERLAPPEDWINDOW, {299, 199}, {300, 200}},
    {WS_OVERLAPPEDWINDOW, {300, 200}, {300, 200}},
    {WS_OVERLAPPEDWINDOW, {301, 201}, {301, 201}},
    {WS_OVERLAPPEDWINDOW, {800, 600}, {800, 600}},
    {WS_OVERLAPPEDWINDOW, {801, 601}, {800, 600}},
    {WS_OVERLAPPEDWINDOW, {32767, 32767}, {800, 600}},
    {WS_POPUP | WS_THICKFRAME, {50, 650}, {300, 600}},
    {WS_POPUP, {50, 650}, {50, 650}},
};

class TrackSize : public ::testing::TestWithParam<TrackCase> {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_P(TrackSize, MoveWindowKeepsTheSizeWithinTheLimits)
{
    HWND hwnd = testwin::CreateTopLevel(10, 20, 400, 300, 0, GetParam().style | WS_VISIBLE);
    kytest::PumpUntilIdle();
    testwin::SetHook([](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
        if (message != WM_GETMINMAXINFO) return false;
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = kMinTrack;
        info->ptMaxTrackSize = kMaxTrack;
        *result = 0;
        return true;
    });

    MoveWindow(hwnd, 10, 20, GetParam().requested.cx, GetParam().requested.cy, TRUE);
    kytest::PumpUntilIdle();

    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.right - window.left, GetParam().expected.cx);
    EXPECT_EQ(window.bottom - window.top, GetParam().expected.cy);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TrackSize, ::testing::ValuesIn(kCases));

}  // namespace
