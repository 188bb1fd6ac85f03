// The Windows face names reach the fonts they stand for, with the system's
// own fontconfig rules applied on top of the program's (read ahead, on a
// thread of their own, as the program reads them), and report the
// average width of a half-width character, as GDI does for the Song face.
#include "platform/gdi/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-font.h>

#include <cwchar>
#include <string>

namespace {

// The program reads the font configuration on a thread of its own while it
// starts; every face here is resolved through what that thread read.
class ConfigurationReadAhead : public ::testing::Environment {
public:
    void SetUp() override { platform::gdi::LoadFontConfigurationAhead(); }
};
const ::testing::Environment* const readAhead = ::testing::AddGlobalTestEnvironment(new ConfigurationReadAhead);

struct Resolved {
    std::string family;
    bool emboldened = false;
    bool hinted = true;
    LONG averageWidth = 0;
};

Resolved Resolve(const wchar_t* face, LONG weight, LONG height = 18)
{
    LOGFONTW logFont{height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, {}};
    wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    platform::gdi::FontFace fontFace(logFont);
    Resolved resolved;
    resolved.averageWidth = fontFace.Metrics().tmAveCharWidth;
    PangoFont* font = pango_context_load_font(platform::gdi::TextContext(), fontFace.description);
    if (!font) return resolved;
    FcPattern* pattern = pango_fc_font_get_pattern(PANGO_FC_FONT(font));
    FcChar8* family = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) == FcResultMatch)
        resolved.family = reinterpret_cast<const char*>(family);
    FcBool embolden = FcFalse;
    resolved.emboldened = FcPatternGetBool(pattern, FC_EMBOLDEN, 0, &embolden) == FcResultMatch && embolden;
    FcBool hinting = FcTrue;
    resolved.hinted = FcPatternGetBool(pattern, FC_HINTING, 0, &hinting) != FcResultMatch || hinting;
    g_object_unref(font);
    return resolved;
}

TEST(FontResolution, WindowsFacesReachTheirFontsUnderTheSystemRules)
{
    const struct {
        const wchar_t* face;
        LONG weight;
        const char* family;
        bool emboldened;  // the Kai font's package asks for a synthetic bold
    } cases[] = {
        {L"宋体", FW_NORMAL, "AR PL UMing CN", false},
        {L"新宋体", FW_NORMAL, "AR PL UMing CN", false},
        {L"SimSun", FW_NORMAL, "AR PL UMing CN", false},
        {L"NSimSun", FW_NORMAL, "AR PL UMing CN", false},
        {L"楷体", FW_NORMAL, "AR PL UKai CN", false},
        {L"楷体", FW_BOLD, "AR PL UKai CN", true},
        {L"KaiTi", FW_BOLD, "AR PL UKai CN", true},
    };
    for (const auto& c : cases) {
        const Resolved resolved = Resolve(c.face, c.weight);
        EXPECT_EQ(resolved.family, c.family) << c.face << " " << c.weight;
        EXPECT_EQ(resolved.emboldened, c.emboldened) << c.face << " " << c.weight;
        // The Song font's em is its cell, so its average (half-width) character is half the cell.
        if (resolved.family == "AR PL UMing CN") {
            EXPECT_EQ(resolved.averageWidth, 18 / 2) << c.face << " " << c.weight;
        }
    }
}

// Small text keeps its hinting (and with it the Song face's bitmaps, up to
// 16 pixels); from 17 pixels on text is drawn unhinted.
TEST(FontResolution, TextFrom17PixelsOnIsUnhinted)
{
    EXPECT_TRUE(Resolve(L"新宋体", FW_NORMAL, -16).hinted);
    EXPECT_FALSE(Resolve(L"宋体", FW_NORMAL, -17).hinted);
    EXPECT_FALSE(Resolve(L"楷体", FW_BOLD, 30).hinted);
}

}  // namespace
