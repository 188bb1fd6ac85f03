// The scene: pictures, axes, scales, focal marks, status text, the controls'
// captions and last the rays, drawn in full on every paint into the
// framework's back buffer.
#include "views/KyViewBase.h"

#include "context/AppContext.h"
#include "base/Text.h"
#include "gdi/FontCache.h"
#include "images/ImageDrawing.h"
#include "views/OpticsTolerance.h"
#include "views/SceneDrawing.h"

#include <cmath>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kStatusLineHeight = 25;
const wchar_t kFocalLengthLabel[] = L"透镜焦距（厘米）：";

void DrawPicture(HDC dc, const KyImage& picture, const PictureBox& box)
{
    const RECT& source = picture.SourceRect();
    DrawImage(dc, picture, box.left, box.top, box.width, box.height, 0, source.right - source.left,
              source.bottom - source.top);
}

void DrawLabel(HDC dc, const std::wstring& text, RECT rect, UINT format)
{
    DrawTextW(dc, text.c_str(), -1, &rect, format);
}

// Finer zoom, larger tick labels.
int32_t TickFont(const AppContext& context, float scale)
{
    if (scale < 10.0f)
        return context.font18;
    if (scale < 15.0f)
        return context.font28;
    return context.font30;
}

}  // namespace

void KyViewBase::Paint(HDC dc, const RECT& area)
{
    if (IsNearZero(scale) || std::isnan(scale))
        return;
    const AppContext& context = AppContext::Instance();
    DrawPictures(dc);

    ScopedSelection tickFont(dc, FontHandle(TickFont(context, scale)));
    const int axisY = RoundToInt(originY);
    const int lensX = RoundToInt(originX);
    // The axis and the lens line in the DC's own pen (black, one pixel).
    MoveToEx(dc, 0, axisY, nullptr);
    LineTo(dc, clientWidth, axisY);
    MoveToEx(dc, lensX, 0, nullptr);
    LineTo(dc, lensX, clientHeight);

    const int tickLength = TickLength(scale);
    DrawScales(dc, tickLength);
    DrawFocalMarks(dc, tickLength);
    DrawStatusLines(dc);
    for (const SkinButton& button : buttons)
        button.Draw(dc, area);
    DrawRays(dc, area);
}

void KyViewBase::DrawPictures(HDC dc)
{
    const AppContext& context = AppContext::Instance();
    const SceneModel scene = Scene();
    const KyImage& lens = isConvex ? context.convexLensPicture : context.concaveLensPicture;
    const RECT& lensSource = lens.SourceRect();
    DrawPicture(dc, lens, LensBox(scene, lensSource.right - lensSource.left, lensSource.bottom - lensSource.top));

    // Every candle picture is measured by the upright image's rectangle.
    const RECT& candle = context.uprightImagePicture.SourceRect();
    const int candleWidth = candle.right - candle.left;
    const int candleHeight = candle.bottom - candle.top;
    DrawPicture(dc, context.candlePicture, CandleBox(scene, candleWidth, candleHeight));
    if (!hasImage)
        return;
    const KyImage& image = imageHeight > 0 ? context.invertedImagePicture : context.uprightImagePicture;
    DrawPicture(dc, image, ImageBox(scene, candleWidth, candleHeight));
}

// Ticks every 10 cm on both sides of the lens along the axis, and above and
// below the axis along the lens line, labelled with their distance in cm.
void KyViewBase::DrawScales(HDC dc, int tickLength)
{
    const int axisY = RoundToInt(originY);
    const int lensX = RoundToInt(originX);
    const int bandTop = TruncToInt(originY);
    const int bandBottom = bandTop + (scale < 10.0f ? 25 : 40);
    const int halfLabel = TruncToInt(scale * 5.0f);
    for (int direction : {-1, 1}) {
        int label = 10;
        for (int x : TickPositions(originX, scale, direction, clientWidth)) {
            MoveToEx(dc, x, axisY, nullptr);
            LineTo(dc, x, axisY - tickLength);
            DrawLabel(dc, Format(L"%d", label), RECT{x - halfLabel, bandTop, x + halfLabel, bandBottom},
                      DT_SINGLELINE | DT_BOTTOM | DT_CENTER);
            label += 10;
        }
    }
    const int labelLeft = TruncToInt(originX) + tickLength + 5;
    const int labelRight = TruncToInt(originX) + 100;
    for (int direction : {1, -1}) {
        int label = 10;
        for (int y : TickPositions(originY, scale, direction, clientHeight)) {
            MoveToEx(dc, lensX, y, nullptr);
            LineTo(dc, lensX + tickLength, y);
            DrawLabel(dc, Format(L"%d", label), RECT{labelLeft, y - 13, labelRight, y + 13},
                      DT_SINGLELINE | DT_VCENTER);
            label += 10;
        }
    }
}

// "0" at the lens, "f" and "2f" on both sides in red, and the units.
void KyViewBase::DrawFocalMarks(HDC dc, int tickLength)
{
    const AppContext& context = AppContext::Instance();
    ScopedSelection bold(dc, FontHandle(context.boldFont30));
    SetTextColor(dc, kRed);
    const int lensX = TruncToInt(originX);
    const int bandTop = TruncToInt(originY);
    DrawLabel(dc, L"0", RECT{lensX + 5, bandTop, lensX + 100, bandTop + 25}, DT_SINGLELINE | DT_VCENTER);

    const int axisY = RoundToInt(originY);
    const float step = focalLength * scale;
    const struct {
        float x;
        const wchar_t* label;
    } marks[] = {{originX + step, L"f"},
                 {originX - step, L"f"},
                 {originX + 2.0f * step, L"2f"},
                 {originX - 2.0f * step, L"2f"}};
    for (const auto& mark : marks) {
        DrawLabel(dc, mark.label,
                  RECT{RoundToInt(mark.x - 5.0f * scale), bandTop - tickLength - 35, RoundToInt(mark.x + 5.0f * scale),
                       bandTop - tickLength - 5},
                  DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        const int x = RoundToInt(mark.x);
        DrawLineWithPen(dc, x, axisY, x, axisY - tickLength - 5, context.redPen);
    }

    SetTextColor(dc, kBlack);
    TextOutW(dc, clientWidth - 50, bandTop + 55, L"CM", 2);
    TextOutW(dc, lensX + tickLength + 60, 5, L"CM", 2);
}

// The status lines top down; the line that reaches the bottom of the status
// area is the last one drawn. Then the label of the focal-length box.
void KyViewBase::DrawStatusLines(HDC dc)
{
    ScopedSelection font(dc, FontHandle(AppContext::Instance().font18));
    int top = statusRect.top;
    for (const std::wstring& line : statusLines) {
        const RECT lineRect{statusRect.left, top, statusRect.right, top + kStatusLineHeight};
        DrawLabel(dc, line, lineRect, DT_SINGLELINE);
        if (lineRect.bottom >= statusRect.bottom)
            break;
        top += kStatusLineHeight;
    }
    DrawLabel(dc, kFocalLengthLabel, RECT{0, focalEditRect.top, focalEditRect.left - 5, focalEditRect.bottom},
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}
