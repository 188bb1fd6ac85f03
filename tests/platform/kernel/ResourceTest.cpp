// Resources embedded from the program's resource script, found the ways the
// program and Windows allow.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

unsigned BigEndian32(const unsigned char* p) { return (p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

TEST(Resource, PicturesArePngWithAlphaOfTheirSizes) {
    const struct { int id; unsigned width, height; } pictures[] = {
        {180, 50, 170}, {181, 50, 170}, {182, 50, 170}, {183, 73, 517}, {184, 73, 517}, {185, 256, 22},
    };
    HMODULE module = GetModuleHandleW(nullptr);
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.id);
        HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(picture.id), L"BIN");
        ASSERT_NE(resource, nullptr);
        const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, resource)));
        ASSERT_NE(data, nullptr);
        ASSERT_GT(SizeofResource(module, resource), 33u);
        EXPECT_EQ(std::memcmp(data, "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), 0);
        EXPECT_EQ(BigEndian32(data + 16), picture.width);
        EXPECT_EQ(BigEndian32(data + 20), picture.height);
        EXPECT_EQ(data[24], 8);  // bits per channel
        EXPECT_EQ(data[25], 6);  // colour type: RGB with alpha
    }
}

TEST(Resource, NamesAndTypesMatchAsWindowsMatchesThem) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC byNumber = FindResourceW(module, MAKEINTRESOURCEW(183), L"BIN");
    ASSERT_NE(byNumber, nullptr);
    // A null module is the executable; type names ignore case; "#183"
    // names the integer identifier.
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(183), L"BIN"), byNumber);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(183), L"bin"), byNumber);
    EXPECT_EQ(FindResourceW(module, L"#183", L"Bin"), byNumber);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(102), RT_GROUP_ICON), nullptr);
    EXPECT_NE(FindResourceW(module, L"#1", L"#16"), nullptr);

    const struct { LPCWSTR name, type; DWORD error; } missing[] = {
        {MAKEINTRESOURCEW(179), L"BIN", ERROR_RESOURCE_NAME_NOT_FOUND},
        {MAKEINTRESOURCEW(180), L"BINX", ERROR_RESOURCE_TYPE_NOT_FOUND},
        {L"CANDLE", L"BIN", ERROR_RESOURCE_NAME_NOT_FOUND},
    };
    for (const auto& m : missing) {
        SetLastError(0);
        EXPECT_EQ(FindResourceW(module, m.name, m.type), nullptr);
        EXPECT_EQ(GetLastError(), m.error);
    }
}

TEST(Resource, IconLoadsAndIsShared) {
    HMODULE module = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(module, MAKEINTRESOURCEW(102));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(module, MAKEINTRESOURCEW(102)), icon);
    EXPECT_EQ(LoadIconW(module, MAKEINTRESOURCEW(103)), nullptr);
    EXPECT_TRUE(DestroyIcon(icon));
}

}  // namespace
