// Fonts for GDI text, through pango over fontconfig. The program carries its
// own fontconfig rules for the Windows face names it uses, loaded before
// pango builds its font map; the context's language is zh-cn so that the
// choice of fallback fonts does not depend on LANG.
#pragma once

#include "platform/gdi/gdi.h"

#include <list>
#include <string>
#include <utility>

typedef struct _PangoFontDescription PangoFontDescription;
typedef struct _PangoLayout PangoLayout;
typedef struct _PangoContext PangoContext;

namespace platform::gdi {

// A font resolved for drawing: the pango description at the size GDI would
// use and the metrics of the primary font (fallback fonts inflate a layout's
// own height, so metrics never come from a layout).
struct FontFace {
    explicit FontFace(const LOGFONTW& logFont);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // A laid-out single line of text, cached: the same strings are drawn on
    // every paint. The layout stays owned by the face.
    PangoLayout* Layout(const std::wstring& text);

    // The metrics GetTextMetricsW reports, widths included.
    const TEXTMETRICW& Metrics();
    LONG Ascent() const { return metrics.tmAscent; }
    LONG Height() const { return metrics.tmHeight; }

    PangoFontDescription* description = nullptr;

private:
    void SetWidths(double average);

    TEXTMETRICW metrics{};  // the widths only once widthsKnown
    double emPixels = 0;
    bool widthsKnown = false;
    std::list<std::pair<std::wstring, PangoLayout*>> layouts;  // most recent first
};

PangoContext* TextContext();

// Starts reading the font configuration (some fifty files) on a thread of its
// own, for the first text to find ready. Call it once, before any text and
// after the display is open: SDL switches the locale while it opens, and
// fontconfig's reading of numbers depends on the locale.
void LoadFontConfigurationAhead();

}  // namespace platform::gdi
