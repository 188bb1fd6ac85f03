// Leak census and injected creation failures of GDI objects.
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

TEST(GdiCensus, EveryCreatedObjectIsCountedUntilDeleted) {
    const unsigned before = kytest::LiveGdiObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    LOGFONTW logFont{};
    logFont.lfHeight = 18;
    HFONT font = CreateFontIndirectW(&logFont);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
    ASSERT_TRUE(dc && pen && brush && font && bitmap);
    const unsigned during = kytest::LiveGdiObjectCount();
    if (before == 0 && during == 0) GTEST_SKIP() << "this system keeps no count";
    EXPECT_EQ(during, before + 5);

    // Deleting a selected object is deferred until the DC lets go of it.
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_TRUE(DeleteObject(pen));
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(kytest::LiveGdiObjectCount(), before);
}

TEST(GdiCensus, InjectedFailuresHitOnlyTheirKind) {
    if (!kytest::FailNextGdiCreations(kytest::GdiKind::Pen, 2)) GTEST_SKIP() << "real GDI";
    EXPECT_EQ(CreatePen(PS_SOLID, 1, 0), nullptr);
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_NE(brush, nullptr);
    EXPECT_EQ(CreatePen(PS_DASH, 1, 0), nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_NE(pen, nullptr);
    DeleteObject(pen);
    DeleteObject(brush);

    for (auto kind : {kytest::GdiKind::Brush, kytest::GdiKind::Font, kytest::GdiKind::Bitmap}) {
        ASSERT_TRUE(kytest::FailNextGdiCreations(kind, 1));
    }
    LOGFONTW logFont{};
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateSolidBrush(0), nullptr);
    EXPECT_EQ(CreateFontIndirectW(&logFont), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 4, 4), nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(GdiCensus, StaleHandlesAreRefused) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    ASSERT_TRUE(DeleteObject(pen));
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(dc, pen), nullptr);
    EXPECT_FALSE(DeleteObject(pen));
    DeleteDC(dc);
    EXPECT_FALSE(DeleteDC(dc));
}

}  // namespace
