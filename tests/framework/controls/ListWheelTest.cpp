// The list's wheel with fine-grained deltas: fractions of a notch add up to
// whole notches before the list scrolls, and a notched wheel is unchanged.
#include "platform/testing/TestPlatform.h"
#include "tests/support/RecordingWnd.h"
#include "ProbeItem.h"
#include "framework/controls/KyList.h"

#include <gtest/gtest.h>

namespace {

struct WheelCase {
    const char* name;
    int deltas[3];
    int offsets[3];
};

// Ten rows of 20 pixels in 58 visible: offsets 0 to 142, five per notch.
const WheelCase kCases[] = {
    {"HalfANotchScrollsNothing", {-60, 0, 0}, {0, 0, 0}},
    {"TwoHalvesScrollOneNotch", {-60, -60, 0}, {0, 5, 5}},
    {"JustShortOfANotchWaits", {-119, -1, 0}, {0, 5, 5}},
    {"NotchesAsBefore", {-120, -360, 240}, {5, 20, 10}},
    {"TurningBackDropsTheOtherWay", {-90, 60, -60}, {0, 0, 0}},
};

class ListWheel : public ::testing::TestWithParam<WheelCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateShownTopLevel(host, 300, 200));
        ASSERT_TRUE(list.CreateChild(host.GetHwnd(), nullptr));
        list.SetRowHeight(20);
        MoveWindow(list.GetHwnd(), 0, 140, 300, 60, TRUE);
        ShowWindow(list.GetHwnd(), SW_SHOW);
        for (int i = 0; i < 10; ++i)
            list.AddItem(ProbeItem(RGB(200, 30, 30), &record));
        kytest::PumpUntilIdle();
        SendMessageW(list.GetHwnd(), WM_KEYDOWN, VK_HOME, 0);
        kytest::PumpUntilIdle();
    }

    RecordingWnd host;
    KyList list;
    ProbeRecord record;
};

TEST_P(ListWheel, ScrollsByWholeNotches)
{
    ASSERT_EQ(list.VerticalOffset(), 0);
    for (int i = 0; i < 3; ++i) {
        if (GetParam().deltas[i] != 0) {
            SendMessageW(list.GetHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(GetParam().deltas[i])), 0);
            kytest::PumpUntilIdle();
        }
        EXPECT_EQ(list.VerticalOffset(), GetParam().offsets[i]) << "after message " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Deltas, ListWheel, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WheelCase>& info) { return std::string(info.param.name); });

}  // namespace
