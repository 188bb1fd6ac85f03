#include "images/GdiplusSession.h"
#include "images/KyImage.h"
#include "images/KyImagePool.h"
#include "TestPng.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace {

const std::vector<uint8_t>& Picture()
{
    static const std::vector<uint8_t> png = testpng::Make(64, 22, testpng::Gradient);
    return png;
}

KyImagePool& Pool()
{
    return KyImagePool::Instance();
}

void ExpectEmpty(const KyImage& image)
{
    EXPECT_EQ(image.SharedId(), 0);
    EXPECT_EQ(image.Bitmap(), nullptr);
    EXPECT_FALSE(image.Source().Occupied());
    const RECT& r = image.SourceRect();
    EXPECT_EQ(r.left | r.top | r.right | r.bottom, 0);
}

void ExpectShows(const KyImage& image, LONG left, LONG top, LONG right, LONG bottom)
{
    const RECT& r = image.SourceRect();
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

}  // namespace

TEST(GdiplusSession, StartsWithTheFirstHolderAndStopsWithTheLast)
{
    GdiplusSession session;
    EXPECT_FALSE(session.Started());
    ASSERT_TRUE(session.Acquire());
    ASSERT_TRUE(session.Acquire());
    EXPECT_EQ(session.Holders(), 2);
    session.Release();
    EXPECT_TRUE(session.Started());
    session.Release();
    EXPECT_FALSE(session.Started());
    session.Release();  // unmatched: ignored
    EXPECT_EQ(session.Holders(), 0);
}

TEST(GdiplusSession, EveryPictureObjectHoldsIt)
{
    const int32_t before = GdiplusSession::Instance().Holders();
    {
        KyImage image;
        EXPECT_EQ(GdiplusSession::Instance().Holders(), before + (before == 0 ? 2 : 1));
    }
    EXPECT_GT(GdiplusSession::Instance().Holders(), 0);  // the pool keeps one
}

TEST(KyImageMemory, SharedLoadsOfTheSameBytesAreSeparateEntriesWithNewIds)
{
    KyImage first, second;
    ASSERT_TRUE(first.LoadFromMemory(Picture().data(), UINT(Picture().size()), true));
    ASSERT_TRUE(second.LoadFromMemory(Picture().data(), UINT(Picture().size()), true));
    EXPECT_NE(first.SharedId(), second.SharedId());
    EXPECT_EQ(Pool().RefCountOf(first.SharedId()), 1);
    ExpectShows(first, 0, 0, 64, 22);

    // A removed id is never handed out again.
    const int32_t removed = second.SharedId();
    second.Release();
    EXPECT_EQ(Pool().BitmapOf(removed), nullptr);
    ASSERT_TRUE(second.LoadFromMemory(Picture().data(), UINT(Picture().size()), true));
    EXPECT_GT(second.SharedId(), removed);
}

TEST(KyImageMemory, RefusedLoadsLeaveTheObjectEmpty)
{
    KyImage image;
    ASSERT_TRUE(image.LoadFromMemory(Picture().data(), UINT(Picture().size()), false));
    EXPECT_NE(image.Source().bitmap, nullptr);
    EXPECT_NE(image.Source().memory, nullptr);
    ExpectShows(image, 0, 0, 64, 22);

    EXPECT_FALSE(image.LoadFromMemory(Picture().data(), 0, false));
    ExpectEmpty(image);
    ASSERT_TRUE(image.LoadFromMemory(Picture().data(), UINT(Picture().size()), true));
    EXPECT_FALSE(image.LoadFromMemory(nullptr, 100, true));
    ExpectEmpty(image);
}

TEST(KyImageMemory, CorruptAndTruncatedPicturesFailCleanly)
{
    const size_t entries = Pool().Size();
    std::vector<uint8_t> corrupt = Picture();
    for (size_t i = 12; i < corrupt.size(); ++i)  // everything after the signature
        corrupt[i] = static_cast<uint8_t>(i * 37);
    const std::vector<uint8_t> truncated(Picture().begin(), Picture().begin() + Picture().size() / 2);
    const std::vector<uint8_t> notAPicture{'h', 'e', 'l', 'l', 'o'};

    for (const std::vector<uint8_t>* bytes : {&std::as_const(corrupt), &truncated, &notAPicture}) {
        KyImage image;
        EXPECT_FALSE(image.LoadFromMemory(bytes->data(), UINT(bytes->size()), false));
        ExpectEmpty(image);
        EXPECT_FALSE(image.LoadFromMemory(bytes->data(), UINT(bytes->size()), true));
        ExpectEmpty(image);
    }
    EXPECT_EQ(Pool().Size(), entries);
}

TEST(KyImageFile, PathsThatDifferOnlyInCaseShareOneEntry)
{
    const std::wstring path = testpng::WriteTempFile("ky-pool-share.png", Picture());
    std::wstring upper = path;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    const std::filesystem::path asPath(path);
    const std::wstring dotted =
        (asPath.parent_path() / L"." / asPath.filename()).wstring();

    KyImage a, b, c;
    ASSERT_TRUE(a.LoadFromFile(path.c_str(), true));
    ASSERT_TRUE(b.LoadFromFile(upper.c_str(), true));
    EXPECT_EQ(a.SharedId(), b.SharedId());
    EXPECT_EQ(Pool().RefCountOf(a.SharedId()), 2);
    ExpectShows(b, 0, 0, 64, 22);

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

TEST(KyImageFile, MissingOrEmptyPathsAndBadFilesFail)
{
    const size_t entries = Pool().Size();
    std::vector<uint8_t> truncated(Picture().begin(), Picture().begin() + 60);
    const std::wstring bad = testpng::WriteTempFile("ky-pool-truncated.png", truncated);
    KyImage image;
    for (bool shared : {true, false}) {
        EXPECT_FALSE(image.LoadFromFile(L"", shared));
        EXPECT_FALSE(image.LoadFromFile(nullptr, shared));
        EXPECT_FALSE(image.LoadFromFile(L"no-such-picture-here.png", shared));
        EXPECT_FALSE(image.LoadFromFile(bad.c_str(), shared));
        ExpectEmpty(image);
    }
    EXPECT_EQ(Pool().Size(), entries);
    std::filesystem::remove(bad);
}

TEST(KyImageResource, AMissingResourceFailsAndAddsNoEntry)
{
    const size_t entries = Pool().Size();
    KyImage image;
    HMODULE module = GetModuleHandleW(nullptr);
    EXPECT_FALSE(image.LoadFromResource(module, L"BIN", MAKEINTRESOURCEW(999), true));
    EXPECT_FALSE(image.LoadFromResource(module, L"BIN", MAKEINTRESOURCEW(999), false));
    EXPECT_FALSE(image.LoadFromResource(nullptr, L"BIN", MAKEINTRESOURCEW(180), true));
    ExpectEmpty(image);
    EXPECT_EQ(Pool().Size(), entries);
}

TEST(KyImageCopy, LoadFromImageSharesOrCopiesAndNeverFromAnEmptyObject)
{
    KyImage empty, shared, copy, privateOne, fromPrivate;
    EXPECT_FALSE(copy.LoadFromImage(empty, true));
    EXPECT_FALSE(copy.LoadFromImage(empty, false));
    ExpectEmpty(copy);

    ASSERT_TRUE(shared.LoadFromMemory(Picture().data(), UINT(Picture().size()), true));
    ASSERT_TRUE(copy.LoadFromImage(shared, true));
    EXPECT_EQ(copy.SharedId(), shared.SharedId());
    EXPECT_EQ(Pool().RefCountOf(shared.SharedId()), 2);

    ASSERT_TRUE(privateOne.LoadFromImage(shared, false));
    EXPECT_EQ(privateOne.SharedId(), 0);
    EXPECT_NE(privateOne.Source().bitmap, nullptr);
    EXPECT_NE(privateOne.Source().bitmap, shared.Bitmap());
    ExpectShows(privateOne, 0, 0, 64, 22);

    // A private picture is decoded again from its bytes into a new entry.
    ASSERT_TRUE(fromPrivate.LoadFromImage(privateOne, true));
    EXPECT_NE(fromPrivate.SharedId(), 0);
    EXPECT_NE(fromPrivate.SharedId(), shared.SharedId());

    KyImage fromBitmap;
    ASSERT_TRUE(fromBitmap.LoadFromBitmap(shared.Bitmap(), false));
    EXPECT_NE(fromBitmap.Source().bitmap, shared.Bitmap());
    ExpectShows(fromBitmap, 0, 0, 64, 22);
    EXPECT_FALSE(fromBitmap.LoadFromBitmap(nullptr, true));
    ExpectEmpty(fromBitmap);

    EXPECT_FALSE(copy.LoadFromImage(copy, true));  // itself: emptied first
    ExpectEmpty(copy);
}

TEST(KyImagePart, AcceptsPartsInsideTheSourceRectangleOnly)
{
    KyImage whole, part, nested;
    ASSERT_TRUE(whole.LoadFromMemory(Picture().data(), UINT(Picture().size()), true));

    ASSERT_TRUE(part.LoadFromImagePart(whole, RECT{32, 2, 64, 22}, true));
    ExpectShows(part, 32, 2, 64, 22);
    // Relative to the other's source rectangle.
    ASSERT_TRUE(nested.LoadFromImagePart(part, RECT{1, 1, 32, 20}, false));
    ExpectShows(nested, 33, 3, 64, 22);

    const RECT refused[] = {
        {0, 0, 65, 22},   // one past the right
        {10, 0, 10, 22},  // empty
        {-1, 0, 8, 22},   // negative left
        {0, -1, 8, 22},   // negative top
        {0, 0, 8, 23},    // one past the bottom
    };
    for (const RECT& r : refused) {
        EXPECT_FALSE(part.LoadFromImagePart(whole, r, true));
        ExpectEmpty(part);
    }
    KyImage empty;
    EXPECT_FALSE(part.LoadFromImagePart(empty, RECT{0, 0, 1, 1}, true));
}
