// The registry on its own, with stand-in objects that answer fixed handles.
#include "framework/KyWndRegistry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class FixedHandle : public IKyWnd {
public:
    explicit FixedHandle(std::uintptr_t value) : handle(reinterpret_cast<HWND>(value)) {}
    HWND GetHwnd() override { return handle; }
    void SetMinTrackSize(int, int) override {}
    bool OnBaseTimer() override { return true; }
    bool PaintsItself() override { return false; }
    bool IsDoubleBuffered() override { return false; }
    bool HasSecondBuffer() override { return false; }

    HWND handle;
};

}  // namespace

TEST(KyWndRegistry, NullObjectsAndHandles)
{
    EXPECT_FALSE(KyWndRegistry::Register(nullptr));
    EXPECT_FALSE(KyWndRegistry::Unregister(nullptr));
    EXPECT_EQ(KyWndRegistry::FindByHandle(nullptr), nullptr);

    // An object without a window is registered but never found by null.
    FixedHandle windowless(0);
    ASSERT_TRUE(KyWndRegistry::Register(&windowless));
    EXPECT_EQ(KyWndRegistry::FindByHandle(nullptr), nullptr);
    EXPECT_TRUE(KyWndRegistry::Unregister(&windowless));
    EXPECT_FALSE(KyWndRegistry::Unregister(&windowless));
}

TEST(KyWndRegistry, LookupAsksTheObjectEachTime)
{
    FixedHandle object(0x1234);
    ASSERT_TRUE(KyWndRegistry::Register(&object));
    EXPECT_EQ(KyWndRegistry::FindByHandle(reinterpret_cast<HWND>(0x1234)), &object);
    object.handle = reinterpret_cast<HWND>(0x5678);
    EXPECT_EQ(KyWndRegistry::FindByHandle(reinterpret_cast<HWND>(0x1234)), nullptr);
    EXPECT_EQ(KyWndRegistry::FindByHandle(reinterpret_cast<HWND>(0x5678)), &object);
    EXPECT_TRUE(KyWndRegistry::Unregister(&object));
    EXPECT_EQ(KyWndRegistry::FindByHandle(reinterpret_cast<HWND>(0x5678)), nullptr);
}
