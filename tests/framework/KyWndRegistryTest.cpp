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

TEST(KyWndRegistry, TheObjectBeyondTheFirstBlockGetsABlockThatIsFreedAgain)
{
    ASSERT_EQ(KyWndRegistry::BlockCount(), 1);
    std::vector<FixedHandle> objects;
    objects.reserve(KyWndRegistry::kBlockEntries + 1);
    for (int i = 0; i <= KyWndRegistry::kBlockEntries; ++i)
        objects.emplace_back(0x10000 + static_cast<std::uintptr_t>(i));

    // No window objects live while this runs, so the first block is empty.
    for (int i = 0; i < KyWndRegistry::kBlockEntries; ++i)
        ASSERT_TRUE(KyWndRegistry::Register(&objects[i]));
    EXPECT_EQ(KyWndRegistry::BlockCount(), 1);
    FixedHandle& last = objects.back();
    ASSERT_TRUE(KyWndRegistry::Register(&last));
    EXPECT_EQ(KyWndRegistry::BlockCount(), 2);
    EXPECT_EQ(KyWndRegistry::FindByHandle(last.handle), &last);
    EXPECT_EQ(KyWndRegistry::FindByHandle(objects[100].handle), &objects[100]);

    // A place freed in the first block is taken before the second block.
    ASSERT_TRUE(KyWndRegistry::Unregister(&objects[7]));
    FixedHandle refill(0x9999);
    ASSERT_TRUE(KyWndRegistry::Register(&refill));
    EXPECT_EQ(KyWndRegistry::BlockCount(), 2);

    EXPECT_TRUE(KyWndRegistry::Unregister(&last));
    EXPECT_EQ(KyWndRegistry::BlockCount(), 1);
    EXPECT_EQ(KyWndRegistry::FindByHandle(last.handle), nullptr);
    EXPECT_EQ(KyWndRegistry::FindByHandle(refill.handle), &refill);

    // Emptying the first block keeps it.
    EXPECT_TRUE(KyWndRegistry::Unregister(&refill));
    for (int i = 0; i < KyWndRegistry::kBlockEntries; ++i) {
        if (i != 7) {
            ASSERT_TRUE(KyWndRegistry::Unregister(&objects[i]));
        }
    }
    EXPECT_EQ(KyWndRegistry::BlockCount(), 1);
    EXPECT_EQ(KyWndRegistry::FindByHandle(objects[0].handle), nullptr);

    // Growing again works after the shrink.
    for (FixedHandle& object : objects)
        ASSERT_TRUE(KyWndRegistry::Register(&object));
    EXPECT_EQ(KyWndRegistry::BlockCount(), 2);
    for (FixedHandle& object : objects)
        ASSERT_TRUE(KyWndRegistry::Unregister(&object));
    EXPECT_EQ(KyWndRegistry::BlockCount(), 1);
}
