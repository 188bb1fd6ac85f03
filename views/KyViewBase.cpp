#include "views/KyViewBase.h"

#include "base/Text.h"

namespace {

constexpr float kConvexInitialScale = 8.0f;
constexpr float kConcaveInitialScale = 10.0f;

}  // namespace

KyViewBase::KyViewBase(bool convex)
    : isConvex(convex), scale(convex ? kConvexInitialScale : kConcaveInitialScale)
{
}

KyViewBase::~KyViewBase() = default;

bool KyViewBase::WantsMouseLeave()
{
    return true;
}

void KyViewBase::ShowFocalLength()
{
    if (focalEdit != nullptr)
        SetWindowTextW(focalEdit, Format(L"%.2f", static_cast<double>(focalLength)).c_str());
}

void KyViewBase::RequestRedraw()
{
    // InvalidateRect with a null window would repaint the whole desktop.
    if (hwnd != nullptr)
        InvalidateRect(hwnd, nullptr, FALSE);
}
