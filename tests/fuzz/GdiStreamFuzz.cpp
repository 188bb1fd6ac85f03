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

class Stream {
public:
    explicit Stream(kyfuzz::FuzzBytes& bytes) : bytes_(bytes)
    {
        std::fill_n(pixels_, kWidth * kHeight, kGuard);
        cairo_surface_mark_dirty(surface_);
        dc_ = platform::CreateSurfaceDc(surface_, kOrigin, kClip);
    }
    ~Stream()
    {
        SelectObject(dc_, GetStockObject(BLACK_PEN));
        SelectObject(dc_, GetStockObject(WHITE_BRUSH));
        platform::DestroySurfaceDc(dc_);
        cairo_surface_destroy(surface_);
        for (HGDIOBJ object : objects_) DeleteObject(object);
    }

    void Run()
    {
        while (!bytes_.Empty()) {
            Step();
            cairo_surface_flush(surface_);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    if ((x < kClip.left || x >= kClip.right || y < kClip.top || y >= kClip.bottom) && pixels_[y * kWidth + x] != kGuard)
                        std::abort();
        }
    }

private:
    // Small coordinates reach the clip's edges; the marker byte brings any int.
    int Coordinate()
    {
        const auto small = bytes_.Take<std::int8_t>();
        return small == -128 ? bytes_.Take<std::int32_t>() : small;
    }
    COLORREF Colour() { return bytes_.Take<std::uint32_t>() & 0xFFFFFF; }

    void Step()
    {
        switch (bytes_.Take<std::uint8_t>() % 8) {
        case 0: {
            static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_NULL};
            penStyle_ = kStyles[bytes_.Take<std::uint8_t>() % 4];
            penWidth_ = bytes_.Take<std::uint8_t>() % 6;
            return Select(CreatePen(penStyle_, penWidth_, Colour()));
        }
        case 1: return Select(CreateSolidBrush(Colour()));
        case 2: at_ = {Coordinate(), Coordinate()}; MoveToEx(dc_, at_.x, at_.y, nullptr); return;
        case 3: return Line(Coordinate(), Coordinate());
        case 4: {
            const RECT area{Coordinate(), Coordinate(), Coordinate(), Coordinate()};
            HBRUSH brush = CreateSolidBrush(Colour());
            FillRect(dc_, &area, brush);
            DeleteObject(brush);
            return;
        }
        case 5: Rectangle(dc_, Coordinate(), Coordinate(), Coordinate(), Coordinate()); return;
        case 6: BitBlt(dc_, Coordinate(), Coordinate(), Coordinate(), Coordinate(), dc_, Coordinate(), Coordinate(), SRCCOPY); return;
        default: {
            const int x = Coordinate(), y = Coordinate(), count = bytes_.Take<std::uint8_t>() % 4;
            wchar_t text[4] = {};
            for (int i = 0; i < count; ++i) text[i] = static_cast<wchar_t>(bytes_.Take<std::uint16_t>());
            TextOutW(dc_, x, y, text, count);
        }
        }
    }

    void Select(HGDIOBJ object)
    {
        if (object == nullptr) return;
        SelectObject(dc_, object);
        objects_.push_back(object);
    }

    void Line(int x, int y)
    {
        const std::vector<std::uint32_t> before(pixels_, pixels_ + kWidth * kHeight);
        LineTo(dc_, x, y);
        cairo_surface_flush(surface_);
        for (int py = 0; py < kHeight; ++py)
            for (int px = 0; px < kWidth; ++px)
                if (penStyle_ == PS_SOLID && penWidth_ <= 1 && pixels_[py * kWidth + px] != before[py * kWidth + px] &&
                    DistanceToSegment(px - kOrigin.x, py - kOrigin.y, at_.x, at_.y, x, y) > 1.0)
                    std::abort();
        at_ = {x, y};
    }

    kyfuzz::FuzzBytes& bytes_;
    cairo_surface_t* surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    std::uint32_t* pixels_ = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_));
    HDC dc_ = nullptr;
    std::vector<HGDIOBJ> objects_;
    POINT at_{0, 0};
    int penStyle_ = PS_SOLID, penWidth_ = 1;
};

}  // namespace

// Input: a stream of drawing operations, each an opcode byte and its values.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kyfuzz::FuzzBytes bytes(data, size);
    Stream(bytes).Run();
    return 0;
}
