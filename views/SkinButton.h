// A push button that is not a window: a record inside its owner view, drawn
// by the owner from a strip of faces and driven by the owner's mouse
// messages. A click posts KYWM_BUTTONCLICK with the command id to the owner.
#pragma once

#include "platform/win32.h"

#include <string>

inline constexpr UINT KYWM_BUTTONCLICK = WM_USER + 109;

class SkinButton {
public:
    // Faces of the skin strip, in strip order.
    enum Face { kFaceNormal = 0, kFaceHover = 1, kFacePressed = 2, kFaceDisabled = 3 };

    void Init(HWND ownerWindow, const std::wstring& text, int command, bool repeats);
    // Moves the button and repaints the whole owner (erased).
    void SetBounds(int left, int top, int right, int bottom);
    // Hover tracking: highlights the button while an unpressed, enabled
    // button has the pointer over it.
    void OnMouseMove(int x, int y);
    // Ends a press; inside the button it posts the command.
    void OnLButtonUp(int x, int y);
    // Draws the face for the current state and the caption, when the button
    // meets `area`.
    void Draw(HDC dc, const RECT& area) const;

    // Left and top edges are inside, right and bottom edges outside.
    bool Contains(int x, int y) const;
    Face CurrentFace() const;

    HWND owner = nullptr;
    int commandId = 0;
    std::wstring caption;
    RECT rect{0, 0, 0, 0};
    bool hover = false;
    bool pressed = false;
    bool enabled = true;
    bool autoRepeat = false;

private:
    void InvalidateButton() const;
};
