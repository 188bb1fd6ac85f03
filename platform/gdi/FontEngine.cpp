#include "platform/gdi/FontEngine.h"
#include "platform/kernel/WideText.h"

#include "platform/gdi/GdiObjects.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-font.h>
#include <pango/pangofc-fontmap.h>
#include <hb.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <system_error>
#include <thread>
#include <utility>

namespace platform::gdi {
namespace {

// Out of the box fontconfig knows none of the Chinese Windows face names;
// these rules put a Song (Ming) or a Kai face in front of them. Text of 17
// pixels and more goes unhinted: these faces carry no hints of their own,
// and FreeType's automatic hinter, which looks much the same at that size,
// reads dozens of reference glyphs (megabytes of the font file) to set
// itself up. Smaller text stays hinted, which is what selects the Song
// face's hand-drawn bitmaps (11 to 16 pixels), as on Windows.
const char kFontRules[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="pattern">
    <test name="family" qual="any" compare="eq"><string>宋体</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>AR PL UMing CN</string><string>Noto Serif CJK SC</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any" compare="eq"><string>新宋体</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>AR PL UMing CN</string><string>Noto Serif CJK SC</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any" compare="eq"><string>SimSun</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>AR PL UMing CN</string><string>Noto Serif CJK SC</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any" compare="eq"><string>NSimSun</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>AR PL UMing CN</string><string>Noto Serif CJK SC</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any" compare="eq"><string>楷体</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>AR PL UKai CN</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any" compare="eq"><string>KaiTi</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>AR PL UKai CN</string></edit>
  </match>
  <match target="font">
    <test name="pixelsize" compare="more_eq"><double>17</double></test>
    <edit name="hinting" mode="assign"><bool>false</bool></edit>
  </match>
</fontconfig>
)";

constexpr size_t kLayoutCacheSize = 64;
constexpr int kDefaultCellHeight = 16;
constexpr double kProbeSize = 1000.0;
constexpr LONG kLargestHeight = 16384;  // pango keeps sizes in 22.10 fixed point

struct Engine {
    PangoFontMap* map = nullptr;
    PangoContext* context = nullptr;
};

bool HasCacheFolder(FcConfig* config) {
    FcStrList* folders = FcConfigGetCacheDirs(config);
    const bool any = folders && FcStrListNext(folders) != nullptr;
    if (folders) FcStrListDone(folders);
    return any;
}

// The system's configuration as FcInitLoadConfigAndFonts loads it, less its
// second pass over the template folder (conf.avail): that parses forty more
// files only to describe them to fc-conflist, a quarter of the load. When the
// configuration needs fontconfig's own repairs (no fonts.conf, no cache
// folder), fontconfig loads it itself.
FcConfig* LoadSystemConfig() {
    FcConfig* config = FcConfigCreate();
    if (config && FcConfigParseAndLoad(config, nullptr, FcTrue) && HasCacheFolder(config) &&
        FcConfigBuildFonts(config)) {
        return config;
    }
    if (config) FcConfigDestroy(config);
    return FcInitLoadConfigAndFonts();
}

// The system's configuration with the program's rules on top.
FcConfig* LoadConfig() {
    FcConfig* config = LoadSystemConfig();
    if (config) FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kFontRules), FcTrue);
    return config;
}

// The configuration loading on a thread of its own, when it was started
// ahead. Nothing else touches fontconfig until the first text takes the
// result; a program that ends before that waits for the thread at exit.
struct AheadLoader {
    std::thread thread;
    FcConfig* config = nullptr;

    ~AheadLoader() {
        if (thread.joinable()) thread.join();
        if (config) FcConfigDestroy(config);
    }
    FcConfig* Take() {
        if (thread.joinable()) thread.join();
        return std::exchange(config, nullptr);
    }
};

AheadLoader& Ahead() {
    static AheadLoader loader;
    return loader;
}

Engine& TheEngine() {
    static Engine* engine = [] {
        auto* e = new Engine;  // lives as long as the process: fonts may be used at exit
        FcConfig* config = Ahead().Take();
        if (!config) config = LoadConfig();
        FcConfigSetCurrent(config);
        e->map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
        pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(e->map), config);
        FcConfigDestroy(config);
        e->context = pango_font_map_create_context(e->map);
        cairo_font_options_t* options = cairo_font_options_create();
        // Glyphs are measured at the size they are drawn at. Unhinted metrics
        // would make cairo load every glyph a second time, at the em size
        // (1,024 pixels), with FreeType's automatic hinter running there too.
        // Cells do not depend on it: they come from the font extents.
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(e->context, options);
        cairo_font_options_destroy(options);
        pango_context_set_language(e->context, pango_language_from_string("zh-cn"));
        return e;
    }();
    return *engine;
}

// Ascent and descent in pixels of the primary font for `description`,
// exactly as pango's own metrics give them (its font extents, scaled by the
// pattern's matrix and kept in whole pango units). pango's metrics would also
// lay out a sample sentence and the digits for the average widths, loading a
// score of glyphs at every size asked: most of the font file a face touches.
bool PrimaryExtents(PangoFontDescription* description, double* ascent, double* descent) {
    Engine& engine = TheEngine();
    PangoFont* font = pango_font_map_load_font(engine.map, engine.context, description);
    if (!font) return false;
    hb_font_extents_t extents{};
    hb_font_get_extents_for_direction(pango_font_get_hb_font(font), HB_DIRECTION_LTR, &extents);
    double yy = 1;
    FcMatrix* matrix = nullptr;
    if (PANGO_IS_FC_FONT(font) &&
        FcPatternGetMatrix(pango_fc_font_get_pattern(PANGO_FC_FONT(font)), FC_MATRIX, 0, &matrix) == FcResultMatch) {
        yy = matrix->yy;
    }
    g_object_unref(font);
    *ascent = static_cast<int>(extents.ascender * yy) / double(PANGO_SCALE);
    *descent = static_cast<int>(-extents.descender * yy) / double(PANGO_SCALE);
    return *ascent + *descent > 0;
}

// The average character width in pixels pango reports for `description`.
double AverageWidth(PangoFontDescription* description) {
    Engine& engine = TheEngine();
    PangoFont* font = pango_font_map_load_font(engine.map, engine.context, description);
    if (!font) return 0;
    PangoFontMetrics* metrics = pango_font_get_metrics(font, pango_context_get_language(engine.context));
    const double average = pango_font_metrics_get_approximate_char_width(metrics) / double(PANGO_SCALE);
    pango_font_metrics_unref(metrics);
    g_object_unref(font);
    return average;
}

}  // namespace

PangoContext* TextContext() { return TheEngine().context; }

void LoadFontConfigurationAhead() {
    AheadLoader& loader = Ahead();
    if (loader.thread.joinable() || loader.config) return;
    try {
        loader.thread = std::thread([&loader] { loader.config = LoadConfig(); });
    } catch (const std::system_error&) {
        // No thread to be had: the first text loads it, as without this call.
    }
}

FontFace::FontFace(const LOGFONTW& logFont) {
    size_t faceLength = 0;
    while (faceLength < LF_FACESIZE && logFont.lfFaceName[faceLength]) ++faceLength;
    std::string family = faceLength ? platform::kernel::Utf8FromWide(std::wstring(logFont.lfFaceName, faceLength)) : "SimSun";
    const int weight = logFont.lfWeight <= 0 ? FW_NORMAL : std::clamp<int>(logFont.lfWeight, 100, 1000);

    description = pango_font_description_new();
    pango_font_description_set_family(description, family.c_str());
    pango_font_description_set_weight(description, static_cast<PangoWeight>(weight));
    if (logFont.lfItalic) pango_font_description_set_style(description, PANGO_STYLE_ITALIC);

    // GDI reads a positive height as the cell (ascent plus descent) and a
    // negative one as the em size. For a cell of N the em is
    // N * upem / (winAscent + winDescent); a probe at a large size gives the
    // same ratio without reading the font tables.
    const int cell = logFont.lfHeight == 0 ? kDefaultCellHeight
                                            : std::clamp<LONG>(logFont.lfHeight, -kLargestHeight, kLargestHeight);
    double em = -static_cast<double>(cell);
    double ascent = 0;
    double descent = 0;
    if (cell > 0) {
        pango_font_description_set_absolute_size(description, kProbeSize * PANGO_SCALE);
        em = PrimaryExtents(description, &ascent, &descent) ? cell * kProbeSize / (ascent + descent) : cell * 0.875;
    }
    pango_font_description_set_absolute_size(description, em * PANGO_SCALE);
    emPixels = em;
    if (!PrimaryExtents(description, &ascent, &descent)) {
        ascent = em * 0.875;
        descent = em * 0.125;
        widthsKnown = true;
        SetWidths(em / 2);
    }

    metrics.tmAscent = std::lround(ascent);
    metrics.tmDescent = cell > 0 ? cell - metrics.tmAscent : std::lround(descent);
    metrics.tmHeight = metrics.tmAscent + metrics.tmDescent;
    metrics.tmInternalLeading = std::max<LONG>(0, metrics.tmHeight - std::lround(em));
    metrics.tmWeight = weight;
    metrics.tmDigitizedAspectX = 96;
    metrics.tmDigitizedAspectY = 96;
    metrics.tmFirstChar = 0x20;
    metrics.tmLastChar = 0xFFFF;
    metrics.tmDefaultChar = 0x3F;
    metrics.tmBreakChar = 0x20;
    metrics.tmItalic = logFont.lfItalic;
    metrics.tmCharSet = logFont.lfCharSet;
}

void FontFace::SetWidths(double average) {
    metrics.tmAveCharWidth = std::max<LONG>(1, std::lround(average));
    metrics.tmMaxCharWidth = std::max<LONG>(metrics.tmAveCharWidth, std::lround(emPixels));
}

const TEXTMETRICW& FontFace::Metrics() {
    // Only GetTextMetricsW hands out the widths, and few faces are ever asked.
    if (!widthsKnown) {
        widthsKnown = true;
        SetWidths(AverageWidth(description));
    }
    return metrics;
}

FontFace::~FontFace() {
    for (auto& entry : layouts) g_object_unref(entry.second);
    pango_font_description_free(description);
}

PangoLayout* FontFace::Layout(const std::wstring& text) {
    for (auto it = layouts.begin(); it != layouts.end(); ++it) {
        if (it->first == text) {
            layouts.splice(layouts.begin(), layouts, it);
            return it->second;
        }
    }
    PangoLayout* layout = pango_layout_new(TextContext());
    pango_layout_set_font_description(layout, description);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    std::string utf8 = platform::kernel::Utf8FromWide(std::wstring(text));
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    layouts.emplace_front(text, layout);
    if (layouts.size() > kLayoutCacheSize) {
        g_object_unref(layouts.back().second);
        layouts.pop_back();
    }
    return layout;
}

Font::~Font() { delete face; }

}  // namespace platform::gdi
