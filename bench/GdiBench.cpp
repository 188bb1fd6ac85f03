// The drawing costs one frame of the lens scene is made of: a long
// one-pixel line, a candle picture scaled into its place and one line of
// Chinese status text.
#include "platform/win32.h"
#include "tests/support/Canvas.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

uint32_t Crc32(const unsigned char* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<unsigned char>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

void PutChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(body.data(), body.size()));
}

// A candle-sized RGBA picture with a soft alpha gradient, stored without
// compression (zlib "stored" blocks), so no encoder library is needed.
std::vector<unsigned char> CandlePng(int width, int height) {
    std::vector<unsigned char> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            raw.insert(raw.end(), {static_cast<unsigned char>(200 + x % 50), static_cast<unsigned char>(y % 256),
                                   40, static_cast<unsigned char>((x * 255) / width)});
        }
    }
    std::vector<unsigned char> zlib{0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size(); at += 65535) {
        size_t length = std::min<size_t>(65535, raw.size() - at);
        zlib.push_back(at + length == raw.size() ? 1 : 0);
        zlib.push_back(length & 0xFF);
        zlib.push_back(length >> 8);
        zlib.push_back(~length & 0xFF);
        zlib.push_back((~length >> 8) & 0xFF);
        zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + length);
    }
    PutBigEndian(zlib, (b << 16) | a);

    std::vector<unsigned char> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    return png;
}

// A back buffer the size of the scene.
struct Frame {
    Canvas canvas{1000, 576};
    HDC dc = canvas.Dc();
};

void Line300(benchmark::State& state) {
    Frame frame;
    for (auto _ : state) {
        MoveToEx(frame.dc, 380, 190, nullptr);
        LineTo(frame.dc, 680, 430);  // 300 pixels along its major axis
    }
}
BENCHMARK(Line300);

void ScaledCandle(benchmark::State& state) {
    Frame frame;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    std::vector<unsigned char> png = CandlePng(50, 170);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, png.size());
    std::memcpy(GlobalLock(block), png.data(), png.size());
    GlobalUnlock(block);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(block, FALSE, &stream);
    Gdiplus::GpBitmap* candle = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &candle) != Gdiplus::Ok) {
        state.SkipWithError("the candle picture did not decode");
    }
    stream->Release();
    for (auto _ : state) {
        Gdiplus::GpGraphics* graphics = nullptr;
        Gdiplus::DllExports::GdipCreateFromHDC(frame.dc, &graphics);
        Gdiplus::DllExports::GdipDrawImageRectRectI(graphics, candle, 368, 190, 24, 80, 0, 0, 50, 170,
                                                    Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
        Gdiplus::DllExports::GdipDeleteGraphics(graphics);
    }
    Gdiplus::DllExports::GdipDisposeImage(candle);
    GlobalFree(block);
    Gdiplus::GdiplusShutdown(token);
}
BENCHMARK(ScaledCandle);

void CjkStatusLine(benchmark::State& state) {
    Frame frame;
    LOGFONTW logFont{};
    logFont.lfHeight = 18;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::wcscpy(logFont.lfFaceName, L"宋体");
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ old = SelectObject(frame.dc, font);
    SetBkMode(frame.dc, TRANSPARENT);
    const wchar_t* line = L"物距（u）：15.00 厘米，像距（v）：30.00 厘米";
    RECT rect{20, 480, 620, 505};
    for (auto _ : state) DrawTextW(frame.dc, line, -1, &rect, DT_SINGLELINE);
    SelectObject(frame.dc, old);
    DeleteObject(font);
}
BENCHMARK(CjkStatusLine);

// A frame comparable to the default convex view: white fill, lens, candle
// and image pictures, axes, 20 ticks with labels, four bold marks, four
// status lines and the rays.
void LensFrame(benchmark::State& state) {
    Frame frame;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    std::vector<unsigned char> candlePng = CandlePng(50, 170);
    std::vector<unsigned char> lensPng = CandlePng(73, 517);
    std::vector<HGLOBAL> blocks;
    auto decode = [&](const std::vector<unsigned char>& png) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, png.size());
        std::memcpy(GlobalLock(block), png.data(), png.size());
        GlobalUnlock(block);
        blocks.push_back(block);
        IStream* stream = nullptr;
        CreateStreamOnHGlobal(block, FALSE, &stream);
        Gdiplus::GpBitmap* bitmap = nullptr;
        Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &bitmap);
        stream->Release();
        return bitmap;
    };
    Gdiplus::GpBitmap* candle = decode(candlePng);
    Gdiplus::GpBitmap* lens = decode(lensPng);
    auto font = [](int height, int weight) {
        LOGFONTW logFont{};
        logFont.lfHeight = height;
        logFont.lfWeight = weight;
        logFont.lfCharSet = DEFAULT_CHARSET;
        std::wcscpy(logFont.lfFaceName, L"宋体");
        return CreateFontIndirectW(&logFont);
    };
    HFONT font18 = font(18, FW_NORMAL);
    HFONT bold30 = font(30, FW_BOLD);
    HPEN ray = CreatePen(PS_SOLID, 1, RGB(222, 62, 33));
    HPEN red = CreatePen(PS_SOLID, 2, RGB(250, 0, 0));
    auto picture = [&](Gdiplus::GpBitmap* bitmap, int x, int y, int w, int h, int sw, int sh) {
        Gdiplus::GpGraphics* graphics = nullptr;
        Gdiplus::DllExports::GdipCreateFromHDC(frame.dc, &graphics);
        Gdiplus::DllExports::GdipDrawImageRectRectI(graphics, bitmap, x, y, w, h, 0, 0, sw, sh, Gdiplus::UnitPixel,
                                                    nullptr, nullptr, nullptr);
        Gdiplus::DllExports::GdipDeleteGraphics(graphics);
    };
    auto line = [&](int x1, int y1, int x2, int y2) {
        MoveToEx(frame.dc, x1, y1, nullptr);
        LineTo(frame.dc, x2, y2);
    };
    const wchar_t* status[] = {L"焦距（f）：10.00 厘米", L"物距（u）：15.00 厘米", L"像距（v）：30.00 厘米",
                               L"放大率：2.00，倒立放大的实像"};
    for (auto _ : state) {
        RECT all{0, 0, 1000, 576};
        FillRect(frame.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(frame.dc, TRANSPARENT);
        picture(lens, 489, 190, 23, 160, 73, 517);
        picture(candle, 368, 190, 24, 80, 50, 170);
        picture(candle, 716, 270, 47, 160, 50, 170);
        HGDIOBJ oldFont = SelectObject(frame.dc, font18);
        line(0, 270, 1000, 270);
        line(500, 0, 500, 576);
        wchar_t label[8];
        for (int k = 1; k <= 6; ++k) {
            for (int side : {-1, 1}) {
                int x = 500 + side * k * 80;
                line(x, 270, x, 265);
                std::swprintf(label, 8, L"%d", k * 10);
                RECT rect{x - 40, 270, x + 40, 295};
                DrawTextW(frame.dc, label, -1, &rect, DT_SINGLELINE | DT_BOTTOM | DT_CENTER);
            }
        }
        for (int k = 1; k <= 7; ++k) {
            int y = k <= 4 ? 270 + k * 80 : 270 - (k - 4) * 80;
            line(500, y, 505, y);
            std::swprintf(label, 8, L"%d", (k <= 4 ? k : k - 4) * 10);
            RECT rect{510, y - 13, 600, y + 13};
            DrawTextW(frame.dc, label, -1, &rect, DT_SINGLELINE | DT_VCENTER);
        }
        SelectObject(frame.dc, bold30);
        SetTextColor(frame.dc, RGB(255, 0, 0));
        for (int x : {580, 420, 660, 340}) {
            RECT rect{x - 40, 230, x + 40, 260};
            DrawTextW(frame.dc, x == 580 || x == 420 ? L"f" : L"2f", -1, &rect,
                      DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            HGDIOBJ oldPen = SelectObject(frame.dc, red);
            line(x, 270, x, 260);
            SelectObject(frame.dc, oldPen);
        }
        SetTextColor(frame.dc, RGB(0, 0, 0));
        TextOutW(frame.dc, 950, 325, L"CM", 2);
        SelectObject(frame.dc, font18);
        for (int i = 0; i < 4; ++i) {
            RECT rect{20, 440 + i * 25, 620, 465 + i * 25};
            DrawTextW(frame.dc, status[i], -1, &rect, DT_SINGLELINE);
        }
        HGDIOBJ oldPen = SelectObject(frame.dc, ray);
        line(380, 190, 740, 430);
        line(380, 190, 500, 190);
        line(500, 190, 740, 430);
        SelectObject(frame.dc, oldPen);
        SelectObject(frame.dc, oldFont);
    }
    DeleteObject(ray);
    DeleteObject(red);
    DeleteObject(font18);
    DeleteObject(bold30);
    Gdiplus::DllExports::GdipDisposeImage(candle);
    Gdiplus::DllExports::GdipDisposeImage(lens);
    for (HGLOBAL block : blocks) GlobalFree(block);
    Gdiplus::GdiplusShutdown(token);
}
BENCHMARK(LensFrame);

}  // namespace

BENCHMARK_MAIN();
