// Picture objects and the pool behind them, loaded from the program's own
// button strip (256 x 22) and candle (50 x 170).
#include "images/KyImage.h"
#include "images/KyImagePool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

const LPCWSTR kCandle = MAKEINTRESOURCEW(180);
const wchar_t kBin[] = L"BIN";
using Whole = std::tuple<LONG, LONG, LONG, LONG>;

const std::vector<uint8_t>& Strip()
{
    static const std::vector<uint8_t> bytes = [] {
        HMODULE module = GetModuleHandleW(nullptr);
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(185), kBin);
        const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
        return std::vector<uint8_t>(data, data + SizeofResource(module, found));
    }();
    return bytes;
}

bool Load(KyImage& image, bool shared, const std::vector<uint8_t>& bytes = Strip())
{
    return image.LoadFromMemory(bytes.data(), UINT(bytes.size()), shared);
}

std::wstring WriteTemp(const char* name, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path.wstring();
}

Whole Shows(const KyImage& image)
{
    const RECT& r = image.SourceRect();
    return {r.left, r.top, r.right, r.bottom};
}

KyImagePool& Pool()
{
    return KyImagePool::Instance();
}

}  // namespace

// Every refused load empties an object that held a picture and adds no entry.
TEST(KyImage, RefusedLoadsLeaveTheObjectEmpty)
{
    // Decoding itself is the platform's; one broken picture stands for all.
    const std::vector<uint8_t> half(Strip().begin(), Strip().begin() + Strip().size() / 2);
    const std::wstring bad = WriteTemp("ky-pool-truncated.png", std::vector<uint8_t>(Strip().begin(), Strip().begin() + 60));
    KyImage whole, empty;
    ASSERT_TRUE(Load(whole, true));
    HMODULE module = GetModuleHandleW(nullptr);
    auto part = [&](RECT r) { return [&, r](KyImage& i, bool s) { return i.LoadFromImagePart(whole, r, s); }; };

    const struct {
        const char* name;
        std::function<bool(KyImage&, bool)> load;
    } refused[] = {
        {"no bytes", [](KyImage& i, bool s) { return i.LoadFromMemory(Strip().data(), 0, s); }},
        {"null bytes", [](KyImage& i, bool s) { return i.LoadFromMemory(nullptr, 100, s); }},
        {"truncated", [&](KyImage& i, bool s) { return Load(i, s, half); }},
        {"empty path", [](KyImage& i, bool s) { return i.LoadFromFile(L"", s); }},
        {"null path", [](KyImage& i, bool s) { return i.LoadFromFile(nullptr, s); }},
        {"missing file", [](KyImage& i, bool s) { return i.LoadFromFile(L"no-such-picture-here.png", s); }},
        {"truncated file", [&](KyImage& i, bool s) { return i.LoadFromFile(bad.c_str(), s); }},
        {"missing resource", [&](KyImage& i, bool s) { return i.LoadFromResource(module, kBin, MAKEINTRESOURCEW(999), s); }},
        {"empty image", [&](KyImage& i, bool s) { return i.LoadFromImage(empty, s); }},
        {"null bitmap", [](KyImage& i, bool s) { return i.LoadFromBitmap(nullptr, s); }},
        {"part of an empty image", [&](KyImage& i, bool s) { return i.LoadFromImagePart(empty, RECT{0, 0, 1, 1}, s); }},
        {"part one past the right", part(RECT{0, 0, 257, 22})},
        {"empty part", part(RECT{10, 0, 10, 22})},
        {"part with negative left", part(RECT{-1, 0, 8, 22})},
        {"part with negative top", part(RECT{0, -1, 8, 22})},
        {"part one past the bottom", part(RECT{0, 0, 8, 23})},
    };
    for (const auto& r : refused) {
        for (bool shared : {true, false}) {
            SCOPED_TRACE(testing::Message() << r.name << (shared ? " shared" : " private"));
            KyImage image;
            ASSERT_TRUE(Load(image, shared));
            const size_t entries = Pool().Size() - (shared ? 1 : 0);
            EXPECT_FALSE(r.load(image, shared));
            EXPECT_EQ(image.SharedId(), 0);
            EXPECT_EQ(image.Bitmap(), nullptr);
            EXPECT_FALSE(image.Source().Occupied());
            EXPECT_EQ(Shows(image), Whole(0, 0, 0, 0));
            EXPECT_EQ(Pool().Size(), entries);
        }
    }
    KyImage itself;
    ASSERT_TRUE(Load(itself, true));
    EXPECT_FALSE(itself.LoadFromImage(itself, true));  // emptied first
    EXPECT_EQ(itself.Bitmap(), nullptr);
    std::filesystem::remove(bad);
}

TEST(KyImage, FilePathsThatDifferOnlyInCaseShareOneEntry)
{
    const std::wstring path = WriteTemp("ky-pool-share.png", Strip());
    std::wstring upper = path;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    KyImage a, b;
    ASSERT_TRUE(a.LoadFromFile(path.c_str(), true));
    ASSERT_TRUE(b.LoadFromFile(upper.c_str(), true));
    EXPECT_EQ(a.SharedId(), b.SharedId());
    const int32_t id = a.SharedId();
    a.Release();
    EXPECT_NE(Pool().BitmapOf(id), nullptr);  // b still holds it
    b.Release();
    EXPECT_EQ(Pool().BitmapOf(id), nullptr);
    std::filesystem::remove(path);
}

TEST(KyImage, LoadsShareOrCopyAndPartsAreRelative)
{
    KyImage shared, copy, privateOne, fromPrivate, fromBitmap, again, part, nested;
    ASSERT_TRUE(Load(shared, true));
    // The same bytes loaded again are another entry; a removed id is never
    // handed out again.
    ASSERT_TRUE(Load(again, true));
    const int32_t removed = again.SharedId();
    EXPECT_NE(removed, shared.SharedId());
    again.Release();
    EXPECT_EQ(Pool().BitmapOf(removed), nullptr);
    ASSERT_TRUE(Load(again, true));
    EXPECT_GT(again.SharedId(), removed);

    ASSERT_TRUE(copy.LoadFromImage(shared, true));
    EXPECT_EQ(copy.SharedId(), shared.SharedId());

    ASSERT_TRUE(privateOne.LoadFromImage(shared, false));
    EXPECT_EQ(privateOne.SharedId(), 0);
    EXPECT_NE(privateOne.Source().bitmap, shared.Bitmap());
    // A private picture is decoded again from its bytes into a new entry.
    ASSERT_TRUE(fromPrivate.LoadFromImage(privateOne, true));
    EXPECT_NE(fromPrivate.SharedId(), 0);
    EXPECT_NE(fromPrivate.SharedId(), shared.SharedId());

    ASSERT_TRUE(fromBitmap.LoadFromBitmap(shared.Bitmap(), false));
    EXPECT_NE(fromBitmap.Source().bitmap, shared.Bitmap());
    EXPECT_EQ(Shows(fromBitmap), Whole(0, 0, 256, 22));

    ASSERT_TRUE(part.LoadFromImagePart(shared, RECT{32, 2, 64, 22}, true));
    EXPECT_EQ(Shows(part), Whole(32, 2, 64, 22));
    ASSERT_TRUE(nested.LoadFromImagePart(part, RECT{1, 1, 32, 20}, false));
    EXPECT_EQ(Shows(nested), Whole(33, 3, 64, 22));
    shared.Release();
    EXPECT_NE(Pool().BitmapOf(copy.SharedId()), nullptr);  // the copy holds it still
}

// A type given as text is told apart by its address, not its letters.
TEST(KyImage, ResourcesShareByModuleTypeAddressAndName)
{
    const size_t entries = Pool().Size();
    HMODULE module = GetModuleHandleW(nullptr);
    const std::wstring sameText = kBin;
    KyImage first, second, otherType, privateOne;
    ASSERT_TRUE(first.LoadFromResource(module, kBin, kCandle, true));
    ASSERT_TRUE(second.LoadFromResource(module, kBin, kCandle, true));
    EXPECT_EQ(first.SharedId(), second.SharedId());
    EXPECT_EQ(Shows(first), Whole(0, 0, 50, 170));
    ASSERT_TRUE(otherType.LoadFromResource(module, sameText.c_str(), kCandle, true));
    EXPECT_NE(otherType.SharedId(), first.SharedId());
    ASSERT_TRUE(privateOne.LoadFromResource(module, kBin, kCandle, false));
    EXPECT_EQ(privateOne.SharedId(), 0);
    EXPECT_EQ(Shows(privateOne), Whole(0, 0, 50, 170));
    EXPECT_EQ(Pool().Size(), entries + 2);
    EXPECT_FALSE(KyImage().LoadFromResource(nullptr, kBin, kCandle, true));  // shared: a module is needed

    const int32_t id = first.SharedId();
    first.Release();
    EXPECT_NE(Pool().BitmapOf(id), nullptr);
    second.Release();
    EXPECT_EQ(Pool().BitmapOf(id), nullptr);
}
