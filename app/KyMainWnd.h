// The program's one top-level window: a header band naming the current
// demonstration, a button that switches between the convex and the concave
// lens view (exactly one of them visible), and the status strip with the
// usage tips at the bottom. It fills the application context when it is
// created and empties it when it is destroyed.
#pragma once

#include "framework/KyWnd.h"
#include "framework/controls/KyStatusShower.h"
#include "platform/win32.h"
#include "views/KyViewConcave.h"
#include "views/KyViewConvex.h"

// Posted to itself: the mode chosen by showConvex takes effect.
inline constexpr UINT KYWM_APPLYMODE = WM_USER + 107;
// Posted to itself from WM_CLOSE: the window is destroyed outside that message.
inline constexpr UINT KYWM_CLOSE = WM_USER + 110;

class KyMainWnd : public KyWnd {
public:
    // Class style of the main window: redraw on resizing, double clicks.
    static constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    static constexpr int kMinWidth = 1000;
    static constexpr int kMinHeight = 700;
    static constexpr int kIconId = 102;

    KyMainWnd() = default;

    bool IsDoubleBuffered() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& area) override;

    // Creates the window as the program's top-level window (hidden).
    bool CreateMain();

    bool ShowsConvex() const { return showConvex; }
    const RECT& HeaderRect() const { return headerRect; }
    HWND ModeButton() const { return modeButton; }
    KyViewConvex& ConvexView() { return convexView; }
    KyViewConcave& ConcaveView() { return concaveView; }
    KyStatusShower& StatusShower() { return statusShower; }
    // The header title of the current mode.
    const wchar_t* HeaderTitle() const;

private:
    void OnCreate();
    void OnSize(int width, int height);
    void OnCommand(HWND control);
    void ApplyMode();
    void CreateModeButton();
    void ShowStatusStrip();
    void SetIcon();

    bool showConvex = true;
    RECT headerRect{0, 0, 0, 0};
    HWND modeButton = nullptr;
    KyViewConvex convexView;
    KyViewConcave concaveView;
    KyStatusShower statusShower;
};
