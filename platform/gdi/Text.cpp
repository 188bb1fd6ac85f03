// GDI text over pango: TextOutW, DrawTextW and the metrics they rest on.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/LineRasterizer.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

using namespace platform::gdi;

namespace {

FontFace& FaceOf(DeviceContext* dc) {
    Font* font = dc->font;
    if (!font->face) font->face = new FontFace(font->logFont);
    return *font->face;
}

LONG WidthOf(FontFace& face, const std::wstring& text) {
    if (text.empty()) return 0;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(face.Layout(text), nullptr, &logical);
    return logical.width;
}

void SetColour(cairo_t* cr, COLORREF colour) {
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

// Fills `area` (logical) in surface pixels, clipped to the DC and to `clip`.
void FillSharp(DeviceContext* dc, const RECT& area, COLORREF colour, const RECT* clip) {
    int stride = 0;
    uint32_t* pixels = dc->Pixels(&stride);
    RECT limit = dc->clip;
    if (clip) {
        RECT device = dc->ToDevice(*clip);
        if (!IntersectRect(&limit, &limit, &device)) return;
    }
    RECT dirty = FillPixels({pixels, stride, limit}, dc->ToDevice(area), ToPixel(colour));
    if (dirty.right > dirty.left) dc->MarkDirty(dirty);
}

// Draws one line with its cell's top-left corner at (x, y), logical units,
// clipped to `clip` when given. The glyphs are laid out in logical units and
// drawn at the surface's full resolution.
void DrawLine(DeviceContext* dc, int x, int y, const std::wstring& text, const RECT* clip) {
    FontFace& face = FaceOf(dc);
    PangoLayout* layout = face.Layout(text);
    if (dc->backMode == OPAQUE) {
        // In 64 bits and held to the int range: a cell near its end must not overflow.
        const auto far = [](int64_t v) { return LONG(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); };
        FillSharp(dc, {x, y, far(int64_t(x) + WidthOf(face, text)), far(int64_t(y) + face.Height())},
                  dc->backColour, clip);
    }
    cairo_t* cr = dc->BeginCairo(clip);
    // The baseline sits at the primary font's ascent below the cell's top.
    // In double: a cell near the end of the int range must not overflow.
    const double top = static_cast<double>(y) + face.Ascent() - pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    // Cairo leaves out a clip that it finds the glyphs' extents within, and
    // after the box pango draws for a character no font has, the next
    // glyphs' extents can come out short of their ink, which then lands past
    // the clip. Drawn into a group no larger than the clipped line (with an
    // em to spare on each side), no ink can leave the clip.
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    const double spare = face.Height();
    const double left = std::min(ink.x, logical.x) - spare, right = std::max(ink.x + ink.width, logical.x + logical.width) + spare;
    const double above = std::min(ink.y, logical.y) - spare, below = std::max(ink.y + ink.height, logical.y + logical.height) + spare;
    cairo_rectangle(cr, x + left, top + above, right - left, below - above);
    cairo_clip(cr);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
    if (x2 > x1 && y2 > y1) {
        cairo_push_group(cr);
        SetColour(cr, dc->textColour);
        cairo_move_to(cr, x, top);
        pango_cairo_show_layout(cr, layout);
        cairo_pop_group_to_source(cr);
        cairo_paint(cr);
    }
    dc->EndCairo();
}


// Removes mnemonic markers: "&x" underlines x, "&&" is a literal "&".
// Returns the index of the underlined character or -1.
int StripPrefixes(std::wstring& text) {
    std::wstring out;
    int underline = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                out += L'&';
                ++i;
                continue;
            }
            if (i + 1 < text.size()) underline = static_cast<int>(out.size());
            continue;
        }
        out += text[i];
    }
    text = std::move(out);
    return underline;
}

// Cuts `line` so that it ends in "..." within `width`. The cut is found on
// the whole line's layout first, so only a step or two is measured again.
void EndEllipsis(FontFace& face, std::wstring& line, LONG width, int* underline) {
    const std::wstring dots = L"...";
    PangoLayout* layout = face.Layout(line);
    int index = 0;
    int trailing = 0;
    pango_layout_xy_to_index(layout, (width - WidthOf(face, dots)) * PANGO_SCALE, 0, &index, &trailing);
    const char* text = pango_layout_get_text(layout);
    size_t keep = std::min<size_t>(line.size(), g_utf8_pointer_to_offset(text, text + index));
    while (keep > 0 && WidthOf(face, line.substr(0, keep) + dots) > width) --keep;
    line = line.substr(0, keep) + dots;
    if (*underline >= static_cast<int>(keep)) *underline = -1;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

}  // namespace

BOOL GetTextMetricsW(HDC handle, LPTEXTMETRICW metrics) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !metrics) return FALSE;
    *metrics = FaceOf(dc).Metrics();
    return TRUE;
}

BOOL GetTextExtentPoint32W(HDC handle, LPCWSTR text, int count, LPSIZE size) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !size || count < 0 || (!text && count > 0)) return FALSE;
    FontFace& face = FaceOf(dc);
    size->cx = count ? WidthOf(face, std::wstring(text, count)) : 0;
    size->cy = face.Height();
    return TRUE;
}

BOOL TextOutW(HDC handle, int x, int y, LPCWSTR text, int count) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || count < 0 || (!text && count > 0)) return FALSE;
    if (count > 0) DrawLine(dc, x, y, std::wstring(text, count), nullptr);
    return TRUE;
}

int DrawTextW(HDC handle, LPCWSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !rect || (!text && count != 0) || count < -1) return 0;
    std::wstring all = count == -1 ? std::wstring(text) : std::wstring(text, count);
    FontFace& face = FaceOf(dc);
    const LONG lineHeight = face.Height();
    const bool single = format & DT_SINGLELINE;
    const bool calculate = format & DT_CALCRECT;
    const bool clipped = !(format & (DT_NOCLIP | DT_CALCRECT));
    const RECT box = *rect;

    std::vector<std::wstring> lines = single ? std::vector<std::wstring>{all} : SplitLines(all);
    LONG y = box.top;
    LONG widest = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring line = lines[i];
        int underline = (format & DT_NOPREFIX) ? -1 : StripPrefixes(line);
        LONG width = WidthOf(face, line);
        if (single && (format & DT_END_ELLIPSIS) && width > box.right - box.left) {
            EndEllipsis(face, line, box.right - box.left, &underline);
            width = WidthOf(face, line);
        }
        LONG x = box.left;
        if (format & DT_CENTER) {
            x = (box.left + box.right - width) / 2;
        } else if (format & DT_RIGHT) {
            x = box.right - width;
        }
        if (single) {
            if (format & DT_VCENTER) {
                y = box.top + (box.bottom - box.top) / 2 - lineHeight / 2;
            } else if (format & DT_BOTTOM) {
                y = box.bottom - lineHeight;
            }
        }
        widest = std::max(widest, width);
        if (!calculate && !line.empty()) {
            DrawLine(dc, x, y, line, clipped ? &box : nullptr);
            if (underline >= 0) {
                LONG from = x + WidthOf(face, line.substr(0, underline));
                LONG to = x + WidthOf(face, line.substr(0, underline + 1));
                // The mnemonic's underline: a one-pixel line in the text colour.
                const LONG under = y + face.Ascent() + 1;
                FillSharp(dc, {from, under, to, under + 1}, dc->textColour, clipped ? &box : nullptr);
            }
        }
        y += lineHeight;
        if (clipped && i + 1 < lines.size() && y > box.bottom - lineHeight) break;
    }
    if (calculate) {
        rect->right = box.left + widest;
        rect->bottom = y;
    }
    return y - box.top;
}
