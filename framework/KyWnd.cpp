#include "framework/KyWnd.h"

#include "base/Text.h"
#include "framework/KyWndRegistry.h"
#include "framework/ProgramModule.h"

namespace {

// Redraw on vertical and horizontal resizing, double-click messages.
constexpr UINT kChildClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
constexpr int kDefaultWidth = 1000;
constexpr int kDefaultHeight = 700;

}  // namespace

KyWnd::~KyWnd()
{
    DestroyOwnWindow();
}

bool KyWnd::Create(UINT classStyle, DWORD style, DWORD exStyle, HWND parent, HDC background)
{
    if (hwnd != nullptr)
        return false;

    const std::wstring className = Format(L"_Tev_KyWnd2_classCtyle:%X_", classStyle);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = KyWndProc;
    windowClass.hInstance = ProgramModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    // A second registration of the same name fails harmlessly; a real
    // problem shows up as a failed CreateWindowExW below.
    RegisterClassExW(&windowClass);

    HWND created = CreateWindowExW(exStyle, className.c_str(), L"", style, 0, 0, 0, 0, parent,
                                   nullptr, ProgramModule(), this);
    hwnd = created;
    if (created == nullptr)
        return false;
    parentHwnd = parent;
    backgroundDc = background;
    BorrowBackground();
    return true;
}

// Where the system composes paints, a parent paints straight into its window
// until a child copies its background out of the parent's back buffer: from
// then on it paints into the buffer, starting now.
void KyWnd::BorrowBackground()
{
    auto* owner = dynamic_cast<KyWnd*>(KyWndRegistry::FindByHandle(parentHwnd));
    if (owner == nullptr || backgroundDc == nullptr || owner->backDc.Get() != backgroundDc || owner->lendsBackBuffer)
        return;
    owner->lendsBackBuffer = true;
    if (SystemComposesPaint()) {
        InvalidateRect(parentHwnd, nullptr, FALSE);
        UpdateWindow(parentHwnd);
    }
}

bool KyWnd::CreateChild(HWND parent, HDC background)
{
    if (parent == nullptr)
        return false;
    return Create(kChildClassStyle, WS_CHILD, 0, parent, background);
}

bool KyWnd::WantsMouseLeave()
{
    return false;
}

bool KyWnd::CaptureOnPress(int, int)
{
    return false;
}

void KyWnd::Paint(HDC, const RECT&)
{
}

void KyWnd::ResizeToDefault()
{
    if (hwnd == nullptr)
        return;
    POINT corner{0, 0};
    if (parentHwnd != nullptr) {
        ClientToScreen(hwnd, &corner);
        ScreenToClient(parentHwnd, &corner);
    } else {
        RECT window{};
        GetWindowRect(hwnd, &window);
        corner = POINT{window.left, window.top};
    }
    MoveWindow(hwnd, corner.x, corner.y, kDefaultWidth, kDefaultHeight, TRUE);
}

LRESULT CALLBACK KyWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: {
        auto* object = static_cast<KyWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (object == nullptr)
            return 0;
        object->hwnd = hwnd;
        return object->Dispatch(message, wParam, lParam);
    }
    case WM_CREATE: {
        CREATESTRUCTW copy = *reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* object = static_cast<KyWnd*>(copy.lpCreateParams);
        if (object == nullptr)
            return -1;
        return object->Dispatch(message, wParam, reinterpret_cast<LPARAM>(&copy));
    }
    default: {
        // Only framework windows carry a dispatch; the registry also holds
        // objects that were never meant to receive messages.
        auto* object = dynamic_cast<KyWnd*>(KyWndRegistry::FindByHandle(hwnd));
        if (object != nullptr)
            return object->Dispatch(message, wParam, lParam);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    }
}
