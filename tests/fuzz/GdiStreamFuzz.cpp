// GDI drawing of any coordinates through a DC clipped to the middle of its
// surface. Nothing outside the clip may change, and a one-pixel solid line
// may only touch pixels within a pixel of the exact segment.
#include "platform/gdi/SurfaceDc.h"
#include "platform/win32.h"
#include "tests/fuzz/FuzzBytes.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWidth = 80, kHeight = 64;
constexpr POINT kOrigin{8, 8};
constexpr RECT kClip{16, 16, 64, 48};
constexpr std::uint32_t kGuard = 0xFF203040;

double DistanceToSegment(double px, double py, double x0, double y0, double x1, double y1)
{
    const double dx = x1 - x0, dy = y1 - y0, lengthSquared = dx * dx + dy * dy;
    const double t = lengthSquared > 0 ? std::clamp(((px - x0) * dx + (py - y0) * dy) / lengthSquared, 0.0, 1.0) : 0.0;
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

}  // namespace

// Input: a stream of drawing operations, each an opcode byte and its values.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kyfuzz::FuzzBytes bytes(data, size);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    auto* pixels = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    std::fill_n(pixels, kWidth * kHeight, kGuard);
    cairo_surface_mark_dirty(surface);
    HDC dc = platform::CreateSurfaceDc(surface, kOrigin, kClip);
    std::vector<HGDIOBJ> objects;
    POINT at{0, 0};
    int penStyle = PS_SOLID, penWidth = 1;
    // Small coordinates reach the clip's edges; the marker byte brings any int.
    const auto coordinate = [&] {
        const auto small = bytes.Take<std::int8_t>();
        return small == -128 ? bytes.Take<std::int32_t>() : small;
    };
    const auto colour = [&] { return bytes.Take<std::uint32_t>() & 0xFFFFFF; };
    const auto select = [&](HGDIOBJ object) {
        if (object) SelectObject(dc, object), objects.push_back(object);
    };
    while (!bytes.Empty()) {
        switch (bytes.Take<std::uint8_t>() % 8) {
        case 0: {
            static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_NULL};
            penStyle = kStyles[bytes.Take<std::uint8_t>() % 4];
            penWidth = bytes.Take<std::uint8_t>() % 6;
            select(CreatePen(penStyle, penWidth, colour()));
            break;
        }
        case 1: select(CreateSolidBrush(colour())); break;
        case 2: at = {coordinate(), coordinate()}; MoveToEx(dc, at.x, at.y, nullptr); break;
        case 3: {
            const POINT to{coordinate(), coordinate()};
            const std::vector<std::uint32_t> before(pixels, pixels + kWidth * kHeight);
            LineTo(dc, to.x, to.y);
            cairo_surface_flush(surface);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    if (penStyle == PS_SOLID && penWidth <= 1 && pixels[y * kWidth + x] != before[y * kWidth + x] &&
                        DistanceToSegment(x - kOrigin.x, y - kOrigin.y, at.x, at.y, to.x, to.y) > 1.0)
                        std::abort();
            at = to;
            break;
        }
        case 4: {
            const RECT area{coordinate(), coordinate(), coordinate(), coordinate()};
            HBRUSH brush = CreateSolidBrush(colour());
            FillRect(dc, &area, brush);
            DeleteObject(brush);
            break;
        }
        case 5: Rectangle(dc, coordinate(), coordinate(), coordinate(), coordinate()); break;
        case 6: BitBlt(dc, coordinate(), coordinate(), coordinate(), coordinate(), dc, coordinate(), coordinate(), SRCCOPY); break;
        default: {
            const int x = coordinate(), y = coordinate(), count = bytes.Take<std::uint8_t>() % 4;
            wchar_t text[4] = {};
            for (int i = 0; i < count; ++i) text[i] = static_cast<wchar_t>(bytes.Take<std::uint16_t>());
            TextOutW(dc, x, y, text, count);
        }
        }
        cairo_surface_flush(surface);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if ((x < kClip.left || x >= kClip.right || y < kClip.top || y >= kClip.bottom) && pixels[y * kWidth + x] != kGuard)
                    std::abort();
    }
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    platform::DestroySurfaceDc(dc);
    cairo_surface_destroy(surface);
    for (HGDIOBJ object : objects) DeleteObject(object);
    return 0;
}
