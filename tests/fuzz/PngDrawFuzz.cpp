// Pictures from any bytes, decoded through GDI+ and drawn scaled onto a
// memory DC, with a destination and source part that may be anything.
#include "images/GdiplusSession.h"
#include "images/ImageDrawing.h"
#include "images/KyImage.h"
#include "tests/fuzz/FuzzBytes.h"

// Input: the destination (four 16-bit values), the source columns and rows
// (three 8-bit values), then the picture file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One DC for the whole run, and GDI+ held throughout, so that an input
    // costs only its own decoding and drawing.
    static const HDC dc = [] {
        AcquireGdiplus();
        HDC memory = CreateCompatibleDC(nullptr);
        SelectObject(memory, CreateCompatibleBitmap(memory, 48, 48));
        return memory;
    }();
    kyfuzz::FuzzBytes bytes(data, size);
    const int dx = bytes.Take<std::int16_t>(), dy = bytes.Take<std::int16_t>();
    const int dw = bytes.Take<std::int16_t>(), dh = bytes.Take<std::int16_t>();
    const int sx = bytes.Take<std::int8_t>(), sw = bytes.Take<std::int8_t>(), sh = bytes.Take<std::int8_t>();
    KyImage image;
    if (image.LoadFromMemory(bytes.Here(), static_cast<UINT>(bytes.Left()), false)) DrawImage(dc, image, dx, dy, dw, dh, sx, sw, sh);
    return 0;
}
