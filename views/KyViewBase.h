// A lens view: one window holding the whole state of one demonstration (the
// lens, the candle, the image the lens forms, the view geometry and its
// controls). The optics model needs no window: set the focal length and the
// object position, call Recompute, and read the image and the status lines.
#pragma once

#include "framework/KyWnd.h"
#include "framework/WheelNotches.h"
#include "platform/win32.h"
#include "views/SceneGeometry.h"
#include "views/SkinButton.h"

#include <string>
#include <vector>

class KyViewBase : public KyWnd {
public:
    static constexpr int kButtonCount = 5;

    explicit KyViewBase(bool convex);
    ~KyViewBase() override;

    bool WantsMouseLeave() override;
    bool CaptureOnPress(int x, int y) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& area) override;

    // Draws the lens kind's characteristic rays into `dc`.
    virtual void DrawRays(HDC dc, const RECT& area) = 0;
    // Derives the image from the object and the lens, rebuilds the status
    // lines, shows the focal length in the edit control and asks for a redraw.
    virtual void Recompute() = 0;

    // The step commands change their value only by a real step (at least the
    // optics tolerance) and recompute or redraw only then.
    void MoveObjectLeft();
    void MoveObjectRight();
    void ZoomIn();
    void ZoomOut();
    // Reads the edit control; a text that is no number in [3, 50] is refused
    // and changes nothing.
    void ApplyFocalLength();
    // The rectangle the candle picture is drawn in: top and bottom edges
    // inside, left and right edges outside.
    bool HitCandle(int x, int y) const;

    static HWND CreateEditControl(HFONT font, HWND parent);
    // The control's text without leading and trailing blanks and tabs, inner
    // tabs made blanks, line breaks removed; empty for a null control.
    static std::wstring ReadEditText(HWND control);

protected:
    // The model and geometry as the scene geometry reads them.
    SceneModel Scene() const;
    // Width of the candle picture at the current zoom.
    float CandleWidth() const;

    // Shared start and end of every Recompute.
    void ShowFocalLength();
    void RequestRedraw();

    bool isConvex;
    int clientWidth = 0;
    int clientHeight = 0;
    float scale;
    float originX = 0.0f;
    float originY = 0.0f;
    float focalLength = 10.0f;
    float objectHeight = 10.0f;
    float objectX = -15.0f;
    // Positive: the image hangs below the axis (inverted, real).
    float imageHeight = 0.0f;
    // Positive: right of the lens (real); negative: on the object's side.
    float imageX = 0.0f;
    bool hasImage = false;
    HWND focalEdit = nullptr;
    RECT focalEditRect{0, 0, 0, 0};
    // "左移", "右移", "放大", "缩小", "更新", in this order.
    SkinButton buttons[kButtonCount];
    std::vector<std::wstring> statusLines;
    RECT statusRect{0, 0, 0, 0};
    bool dragging = false;

private:
    WheelNotches wheel;
    // The capture went elsewhere while a button was held: the release may
    // never come, so the next repeat tick lets the button go instead.
    bool pressLost = false;

    void OnCreate();
    void OnSize(int width, int height);
    void OnKeyDown(UINT key);
    void OnWheel(int delta);
    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnMouseLeave();
    void OnCaptureChanged(HWND newCapture);
    void ReleasePressedButtons();
    void OnTimer(UINT_PTR id);
    void OnButtonCommand(int command);
    void ZoomTo(float newScale);
    void DragCandleTo(int x);
    float MaxScale() const;

    void DrawPictures(HDC dc);
    void DrawScales(HDC dc, int tickLength);
    void DrawFocalMarks(HDC dc, int tickLength);
    void DrawStatusLines(HDC dc);
};
