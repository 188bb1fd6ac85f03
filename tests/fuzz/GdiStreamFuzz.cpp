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
#include <cstring>
#include <vector>

namespace {

using kyfuzz::FuzzBytes;

constexpr int kWidth = 80;
constexpr int kHeight = 64;
constexpr POINT kOrigin{8, 8};
constexpr RECT kClip{16, 16, 64, 48};
constexpr std::uint32_t kGuard = 0xFF203040;

// Small coordinates reach the clip's edges; the marker byte brings any int.
int Coordinate(FuzzBytes& bytes)
{
    const auto small = bytes.Take<std::int8_t>();
    return small == -128 ? bytes.Take<std::int32_t>() : small;
}

COLORREF Colour(FuzzBytes& bytes)
{
    return bytes.Take<std::uint32_t>() & 0xFFFFFF;
}

double DistanceToSegment(double px, double py, double x0, double y0, double x1, double y1)
{
    const double dx = x1 - x0, dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    const double t = lengthSquared > 0 ? std::clamp(((px - x0) * dx + (py - y0) * dy) / lengthSquared, 0.0, 1.0) : 0.0;
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

class Stream {
public:
    Stream()
    {
        std::fill_n(Pixels(), kWidth * kHeight, kGuard);
        cairo_surface_mark_dirty(surface_);
        dc_ = platform::CreateSurfaceDc(surface_, kOrigin, kClip);
    }
    ~Stream()
    {
        SelectObject(dc_, GetStockObject(BLACK_PEN));
        SelectObject(dc_, GetStockObject(WHITE_BRUSH));
        platform::DestroySurfaceDc(dc_);
        cairo_surface_destroy(surface_);
        for (HGDIOBJ object : objects_)
            DeleteObject(object);
    }

    void Run(FuzzBytes& bytes)
    {
        while (!bytes.Empty()) {
            Step(bytes);
            cairo_surface_flush(surface_);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    if ((x < kClip.left || x >= kClip.right || y < kClip.top || y >= kClip.bottom) &&
                        Pixels()[y * kWidth + x] != kGuard)
                        std::abort();
        }
    }

private:
    std::uint32_t* Pixels() { return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_)); }

    void Step(FuzzBytes& bytes)
    {
        switch (bytes.Take<std::uint8_t>() % 8) {
        case 0: {
            static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_NULL};
            penStyle_ = kStyles[bytes.Take<std::uint8_t>() % 4];
            penWidth_ = bytes.Take<std::uint8_t>() % 6;
            Select(CreatePen(penStyle_, penWidth_, Colour(bytes)));
            break;
        }
        case 1: Select(CreateSolidBrush(Colour(bytes))); break;
        case 2:
            at_ = {Coordinate(bytes), Coordinate(bytes)};
            MoveToEx(dc_, at_.x, at_.y, nullptr);
            break;
        case 3: Line(Coordinate(bytes), Coordinate(bytes)); break;
        case 4: {
            const RECT area{Coordinate(bytes), Coordinate(bytes), Coordinate(bytes), Coordinate(bytes)};
            HBRUSH brush = CreateSolidBrush(Colour(bytes));
            FillRect(dc_, &area, brush);
            DeleteObject(brush);
            break;
        }
        case 5: Rectangle(dc_, Coordinate(bytes), Coordinate(bytes), Coordinate(bytes), Coordinate(bytes)); break;
        case 6:
            BitBlt(dc_, Coordinate(bytes), Coordinate(bytes), Coordinate(bytes), Coordinate(bytes), dc_,
                   Coordinate(bytes), Coordinate(bytes), SRCCOPY);
            break;
        default: {
            const int x = Coordinate(bytes), y = Coordinate(bytes);
            wchar_t text[4] = {};
            const int count = bytes.Take<std::uint8_t>() % 4;
            for (int i = 0; i < count; ++i)
                text[i] = static_cast<wchar_t>(bytes.Take<std::uint16_t>());
            TextOutW(dc_, x, y, text, count);
        }
        }
    }

    void Select(HGDIOBJ object)
    {
        if (object == nullptr)
            return;
        SelectObject(dc_, object);
        objects_.push_back(object);
    }

    void Line(int x, int y)
    {
        const std::vector<std::uint32_t> before(Pixels(), Pixels() + kWidth * kHeight);
        LineTo(dc_, x, y);
        cairo_surface_flush(surface_);
        if (penStyle_ == PS_SOLID && penWidth_ <= 1) {
            for (int py = 0; py < kHeight; ++py)
                for (int px = 0; px < kWidth; ++px)
                    if (Pixels()[py * kWidth + px] != before[py * kWidth + px] &&
                        DistanceToSegment(px - kOrigin.x, py - kOrigin.y, at_.x, at_.y, x, y) > 1.0)
                        std::abort();
        }
        at_ = {x, y};
    }

    cairo_surface_t* surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    HDC dc_ = nullptr;
    std::vector<HGDIOBJ> objects_;
    POINT at_{0, 0};
    int penStyle_ = PS_SOLID;
    int penWidth_ = 1;
};

}  // namespace

// Input: a stream of drawing operations, each an opcode byte and its values.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    Stream stream;
    stream.Run(bytes);
    return 0;
}
