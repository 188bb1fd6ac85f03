// How the user changes the scene: moving the candle, zooming and setting the
// focal length. Each command acts only on a real change.
#include "views/KyViewBase.h"

#include "context/AppContext.h"
#include "base/Text.h"
#include "framework/controls/KyStatusShower.h"
#include "framework/ProgramModule.h"
#include "views/OpticsTolerance.h"

#include <algorithm>
#include <vector>

namespace {

constexpr float kObjectStep = 0.5f;
constexpr float kNearestObjectX = -0.5f;
constexpr float kZoomStep = 1.0f;
constexpr float kMinScale = 6.0f;
constexpr float kMaxConvexScale = 20.0f;
constexpr float kMaxConcaveScale = 30.0f;
constexpr float kMinFocalLength = 3.0f;
constexpr float kMaxFocalLength = 50.0f;
constexpr DWORD kFocalEditStyle = 0x50802080;  // child, visible, border, digits, auto-scroll

// The candle pictures are all 50 x 170; without a loaded picture the
// candle keeps that shape, so it can still be hit and kept on screen.
constexpr int kCandleSourceWidth = 50;
constexpr int kCandleSourceHeight = 170;

bool IsRealChange(float oldValue, float newValue)
{
    return !IsNearZero(oldValue - newValue);
}

}  // namespace

SceneModel KyViewBase::Scene() const
{
    return SceneModel{scale,  originX,     originY,  focalLength, objectHeight, objectX,
                      imageX, imageHeight, hasImage, clientWidth, clientHeight};
}

float KyViewBase::CandleWidth() const
{
    const RECT& source = AppContext::Instance().uprightImagePicture.SourceRect();
    const int width = source.right - source.left;
    const int height = source.bottom - source.top;
    const float candleHeight = objectHeight * scale;
    if (width <= 0 || height <= 0)
        return ScaledWidth(kCandleSourceWidth, kCandleSourceHeight, candleHeight);
    return ScaledWidth(width, height, candleHeight);
}

float KyViewBase::MaxScale() const
{
    return isConvex ? kMaxConvexScale : kMaxConcaveScale;
}

void KyViewBase::MoveObjectLeft()
{
    // The candle's left edge stays inside the client area; after a zoom or a
    // resize that limit may lie right of the candle, which then moves onto it.
    // In a view too narrow for the candle that limit is at or past the lens,
    // where the model has no answer, so the nearest position wins.
    const float limit = (CandleWidth() / 2.0f - originX) / scale;
    const float moved = std::min(std::max(objectX - kObjectStep, limit), kNearestObjectX);
    if (!IsRealChange(objectX, moved))
        return;
    objectX = moved;
    Recompute();
}

void KyViewBase::MoveObjectRight()
{
    const float moved = std::min(objectX + kObjectStep, kNearestObjectX);
    if (!IsRealChange(objectX, moved))
        return;
    objectX = moved;
    Recompute();
}

void KyViewBase::ZoomIn()
{
    ZoomTo(std::min(scale + kZoomStep, MaxScale()));
}

void KyViewBase::ZoomOut()
{
    ZoomTo(std::max(scale - kZoomStep, kMinScale));
}

// Zooming changes no model value, so it only redraws.
void KyViewBase::ZoomTo(float newScale)
{
    if (!IsRealChange(scale, newScale))
        return;
    scale = newScale;
    RequestRedraw();
}

void KyViewBase::ApplyFocalLength()
{
    float value = 0.0f;
    const bool isNumber = ToFloat(ReadEditText(focalEdit), value);
    // Written so that NaN, which fails every comparison, is refused too.
    const bool inRange = value >= kMinFocalLength && value <= kMaxFocalLength;
    if (!isNumber || !inRange) {
        if (KyStatusShower* status = AppContext::Instance().statusDisplay)
            status->AddMessage(L"透镜焦距必须在 [3.0, 50.0] 区间内");
        return;
    }
    if (value == focalLength)
        return;
    focalLength = value;
    Recompute();
}

// The candle's centre line follows the pointer, wherever it was grabbed; its
// left edge never passes the client's left edge and it never reaches the lens.
void KyViewBase::DragCandleTo(int x)
{
    const float half = CandleWidth() / 2.0f;
    const float pointerX = std::max(static_cast<float>(x), half);
    float moved = (pointerX - originX) / scale;
    if (!(moved <= kNearestObjectX))
        moved = kNearestObjectX;
    if (moved == objectX)
        return;
    objectX = moved;
    Recompute();
}

bool KyViewBase::HitCandle(int x, int y) const
{
    const float top = originY - objectHeight * scale;
    const float centreX = objectX * scale + originX;
    const float half = CandleWidth() * 0.5f;
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    return top <= py && py <= originY && centreX - half < px && px < centreX + half;
}

bool KyViewBase::CaptureOnPress(int x, int y)
{
    if (!dragging && HitCandle(x, y))
        return true;
    return std::any_of(std::begin(buttons), std::end(buttons), [x, y](const SkinButton& button) {
        return button.enabled && !button.pressed && button.Contains(x, y);
    });
}

HWND KyViewBase::CreateEditControl(HFONT font, HWND parent)
{
    HWND control = CreateWindowExW(0, L"edit", L"", kFocalEditStyle, 0, 0, 0, 0, parent, nullptr,
                                   ProgramModule(), nullptr);
    if (control != nullptr && font != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

std::wstring KyViewBase::ReadEditText(HWND control)
{
    if (control == nullptr)
        return std::wstring();
    const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(buffer.size()), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = L'\0';
    std::wstring text = TrimRight(TrimLeft(buffer.data()));
    std::replace(text.begin(), text.end(), L'\t', L' ');
    text.erase(std::remove_if(text.begin(), text.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }),
               text.end());
    return text;
}
