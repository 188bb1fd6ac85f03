// The colours and 3D edges of the classic Windows look, in the system
// colours of the default scheme, shared by the three control classes.
#pragma once

#include "platform/win32.h"

namespace platform::controls {

namespace colour {
constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kLight = RGB(227, 227, 227);
constexpr COLORREF kHighlight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(160, 160, 160);
constexpr COLORREF kDarkShadow = RGB(105, 105, 105);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kGrayText = RGB(109, 109, 109);
constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kWindowFrame = RGB(100, 100, 100);
constexpr COLORREF kSelection = RGB(0, 120, 215);
constexpr COLORREF kSelectionText = RGB(255, 255, 255);
constexpr COLORREF kScrollShaft = RGB(247, 247, 247);  // the average of the face-and-white dither
}  // namespace colour

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel frame: top and left in one colour, bottom and right in another.
void Frame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
// A raised button face (two-pixel edge, face filled), or a pushed one.
void ButtonFace(HDC dc, const RECT& rect, bool pushed);
// The dotted focus rectangle.
void FocusDots(HDC dc, const RECT& rect);

// Tells the parent through WM_COMMAND; nothing when the parent is gone.
void NotifyParent(HWND control, WORD code);

// The font a control draws with: the one set by WM_SETFONT, else the system font.
HFONT FontOrDefault(HFONT font);

// Selects an object into a DC for the life of the scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc(dc), old(object ? SelectObject(dc, object) : nullptr) {}
    ~Selected()
    {
        if (old) SelectObject(dc, old);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc;
    HGDIOBJ old;
};

}  // namespace platform::controls
