// The push button of class "button": one object per window, driven by ControlProc.
#pragma once

#include "platform/win32.h"

namespace platform::controls {

class ButtonControl {
public:
    explicit ButtonControl(HWND hwnd) : hwnd(hwnd) {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Press();
    void Track(WPARAM keys, int x, int y);
    // Ends a press; a click when `inside` and the face was still pushed.
    void Release(bool inside);
    void CaptureLost();
    void SetPushed(bool pushed);
    bool Inside(int x, int y) const;
    void Paint();

    HWND hwnd;
    HFONT font = nullptr;
    bool held = false;    // a press (mouse or Space) is in progress
    bool pushed = false;  // the face is drawn pushed
    bool focused = false;
};

}  // namespace platform::controls
