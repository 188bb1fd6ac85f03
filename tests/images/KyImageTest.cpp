#include "images/GdiplusSession.h"
#include "images/KyImage.h"
#include "images/KyImagePool.h"
#include "TestPng.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

namespace {

const std::vector<uint8_t>& Picture()
{
    static const std::vector<uint8_t> png = testpng::Make(64, 22, testpng::Gradient);
    return png;
}

bool Load(KyImage& image, bool shared, const std::vector<uint8_t>& bytes = Picture())
{
    return image.LoadFromMemory(bytes.data(), UINT(bytes.size()), shared);
}

KyImagePool& Pool()
{
    return KyImagePool::Instance();
}

std::tuple<LONG, LONG, LONG, LONG> Shows(const KyImage& image)
{
    const RECT& r = image.SourceRect();
    return {r.left, r.top, r.right, r.bottom};
}

using Whole = std::tuple<LONG, LONG, LONG, LONG>;

void ExpectEmpty(const KyImage& image)
{
    EXPECT_EQ(image.SharedId(), 0);
    EXPECT_EQ(image.Bitmap(), nullptr);
    EXPECT_FALSE(image.Source().Occupied());
    EXPECT_EQ(Shows(image), Whole(0, 0, 0, 0));
}

}  // namespace

TEST(GdiplusSession, StartsWithTheFirstHolderAndStopsWithTheLast)
{
    GdiplusSession session;
    ASSERT_TRUE(session.Acquire());
    ASSERT_TRUE(session.Acquire());
    session.Release();
    EXPECT_TRUE(session.Started());
    session.Release();
    EXPECT_FALSE(session.Started());
    session.Release();  // unmatched: ignored
    EXPECT_EQ(session.Holders(), 0);

    const int32_t before = GdiplusSession::Instance().Holders();
    {
        KyImage image;  // every picture object holds it, and the pool one more
        EXPECT_EQ(GdiplusSession::Instance().Holders(), before + (before == 0 ? 2 : 1));
    }
    EXPECT_GT(GdiplusSession::Instance().Holders(), 0);
}

// Every refused load empties an object that held a picture and adds no entry.
TEST(KyImage, RefusedLoadsLeaveTheObjectEmpty)
{
    std::vector<uint8_t> corrupt = Picture();
    for (size_t i = 12; i < corrupt.size(); ++i)  // everything after the signature
        corrupt[i] = static_cast<uint8_t>(i * 37);
    const std::vector<uint8_t> half(Picture().begin(), Picture().begin() + Picture().size() / 2);
    const std::vector<uint8_t> notAPicture{'h', 'e', 'l', 'l', 'o'};
    const std::wstring bad = testpng::WriteTempFile(
        "ky-pool-truncated.png", std::vector<uint8_t>(Picture().begin(), Picture().begin() + 60));
    KyImage whole, empty;
    ASSERT_TRUE(Load(whole, true));
    HMODULE module = GetModuleHandleW(nullptr);

    const struct {
        const char* name;
        std::function<bool(KyImage&, bool)> load;
    } refused[] = {
        {"no bytes", [](KyImage& i, bool s) { return i.LoadFromMemory(Picture().data(), 0, s); }},
        {"null bytes", [](KyImage& i, bool s) { return i.LoadFromMemory(nullptr, 100, s); }},
        {"corrupt", [&](KyImage& i, bool s) { return Load(i, s, corrupt); }},
        {"truncated", [&](KyImage& i, bool s) { return Load(i, s, half); }},
        {"not a picture", [&](KyImage& i, bool s) { return Load(i, s, notAPicture); }},
        {"empty path", [](KyImage& i, bool s) { return i.LoadFromFile(L"", s); }},
        {"null path", [](KyImage& i, bool s) { return i.LoadFromFile(nullptr, s); }},
        {"missing file", [](KyImage& i, bool s) { return i.LoadFromFile(L"no-such-picture-here.png", s); }},
        {"truncated file", [&](KyImage& i, bool s) { return i.LoadFromFile(bad.c_str(), s); }},
        {"missing resource",
         [&](KyImage& i, bool s) { return i.LoadFromResource(module, L"BIN", MAKEINTRESOURCEW(999), s); }},
        {"no module",
         [](KyImage& i, bool s) { return i.LoadFromResource(nullptr, L"BIN", MAKEINTRESOURCEW(180), s); }},
        {"empty image", [&](KyImage& i, bool s) { return i.LoadFromImage(empty, s); }},
        {"null bitmap", [](KyImage& i, bool s) { return i.LoadFromBitmap(nullptr, s); }},
        {"part of an empty image",
         [&](KyImage& i, bool s) { return i.LoadFromImagePart(empty, RECT{0, 0, 1, 1}, s); }},
        {"part one past the right",
         [&](KyImage& i, bool s) { return i.LoadFromImagePart(whole, RECT{0, 0, 65, 22}, s); }},
        {"empty part",
         [&](KyImage& i, bool s) { return i.LoadFromImagePart(whole, RECT{10, 0, 10, 22}, s); }},
        {"part with negative left",
         [&](KyImage& i, bool s) { return i.LoadFromImagePart(whole, RECT{-1, 0, 8, 22}, s); }},
        {"part with negative top",
         [&](KyImage& i, bool s) { return i.LoadFromImagePart(whole, RECT{0, -1, 8, 22}, s); }},
        {"part one past the bottom",
         [&](KyImage& i, bool s) { return i.LoadFromImagePart(whole, RECT{0, 0, 8, 23}, s); }},
    };
    for (const auto& r : refused) {
        for (bool shared : {true, false}) {
            SCOPED_TRACE(testing::Message() << r.name << (shared ? " shared" : " private"));
            KyImage image;
            ASSERT_TRUE(Load(image, !shared));
            image.Release();
            ASSERT_TRUE(Load(image, shared));
            const size_t entries = Pool().Size() - (shared ? 1 : 0);
            EXPECT_FALSE(r.load(image, shared));
            ExpectEmpty(image);
            EXPECT_EQ(Pool().Size(), entries);
        }
    }
    KyImage itself;
    ASSERT_TRUE(Load(itself, true));
    EXPECT_FALSE(itself.LoadFromImage(itself, true));  // emptied first
    ExpectEmpty(itself);
    std::filesystem::remove(bad);
}

TEST(KyImage, SharedLoadsOfTheSameBytesAreSeparateEntriesWithNewIds)
{
    KyImage first, second;
    ASSERT_TRUE(Load(first, true));
    ASSERT_TRUE(Load(second, true));
    EXPECT_NE(first.SharedId(), second.SharedId());
    EXPECT_EQ(Pool().RefCountOf(first.SharedId()), 1);
    EXPECT_EQ(Shows(first), Whole(0, 0, 64, 22));

    // A removed id is never handed out again.
    const int32_t removed = second.SharedId();
    second.Release();
    EXPECT_EQ(Pool().BitmapOf(removed), nullptr);
    ASSERT_TRUE(Load(second, true));
    EXPECT_GT(second.SharedId(), removed);
}

TEST(KyImage, FilePathsThatDifferOnlyInCaseShareOneEntry)
{
    const std::wstring path = testpng::WriteTempFile("ky-pool-share.png", Picture());
    std::wstring upper = path;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    const std::filesystem::path asPath(path);
    const std::wstring dotted = (asPath.parent_path() / L"." / asPath.filename()).wstring();

    KyImage a, b, c;
    ASSERT_TRUE(a.LoadFromFile(path.c_str(), true));
    ASSERT_TRUE(b.LoadFromFile(upper.c_str(), true));
    EXPECT_EQ(a.SharedId(), b.SharedId());
    EXPECT_EQ(Pool().RefCountOf(a.SharedId()), 2);
    EXPECT_EQ(Shows(b), Whole(0, 0, 64, 22));
    // Another way of writing the same file is another entry.
    ASSERT_TRUE(c.LoadFromFile(dotted.c_str(), true));
    EXPECT_NE(c.SharedId(), a.SharedId());

    const int32_t id = a.SharedId();
    a.Release();
    EXPECT_NE(Pool().BitmapOf(id), nullptr);  // b still holds it
    b.Release();
    EXPECT_EQ(Pool().BitmapOf(id), nullptr);
    c.Release();
    std::filesystem::remove(asPath);
}

TEST(KyImage, LoadFromImageSharesOrCopies)
{
    KyImage shared, copy, privateOne, fromPrivate, fromBitmap;
    ASSERT_TRUE(Load(shared, true));
    ASSERT_TRUE(copy.LoadFromImage(shared, true));
    EXPECT_EQ(copy.SharedId(), shared.SharedId());
    EXPECT_EQ(Pool().RefCountOf(shared.SharedId()), 2);

    ASSERT_TRUE(privateOne.LoadFromImage(shared, false));
    EXPECT_EQ(privateOne.SharedId(), 0);
    EXPECT_NE(privateOne.Source().bitmap, nullptr);
    EXPECT_NE(privateOne.Source().bitmap, shared.Bitmap());
    EXPECT_EQ(Shows(privateOne), Whole(0, 0, 64, 22));

    // A private picture is decoded again from its bytes into a new entry.
    ASSERT_TRUE(fromPrivate.LoadFromImage(privateOne, true));
    EXPECT_NE(fromPrivate.SharedId(), 0);
    EXPECT_NE(fromPrivate.SharedId(), shared.SharedId());

    ASSERT_TRUE(fromBitmap.LoadFromBitmap(shared.Bitmap(), false));
    EXPECT_NE(fromBitmap.Source().bitmap, shared.Bitmap());
    EXPECT_EQ(Shows(fromBitmap), Whole(0, 0, 64, 22));
}

TEST(KyImage, APartIsRelativeToTheOthersSourceRectangle)
{
    KyImage whole, part, nested;
    ASSERT_TRUE(Load(whole, true));
    ASSERT_TRUE(part.LoadFromImagePart(whole, RECT{32, 2, 64, 22}, true));
    EXPECT_EQ(Shows(part), Whole(32, 2, 64, 22));
    ASSERT_TRUE(nested.LoadFromImagePart(part, RECT{1, 1, 32, 20}, false));
    EXPECT_EQ(Shows(nested), Whole(33, 3, 64, 22));
}
