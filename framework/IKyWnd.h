// The window interface the registry works with: it keeps objects, not
// handles, and asks each object for its handle whenever it looks one up.
#pragma once

#include "platform/win32.h"

class IKyWnd {
public:
    virtual HWND GetHwnd() = 0;
    virtual void SetMinTrackSize(int width, int height) = 0;
    // Called for timer id 1; true stops that timer.
    virtual bool OnBaseTimer() = 0;
    // True: WM_PAINT goes to the handler untouched.
    virtual bool PaintsItself() = 0;
    virtual bool IsDoubleBuffered() = 0;
    virtual bool HasSecondBuffer() = 0;

protected:
    // Objects are destroyed through KyClassBase, never through this interface.
    ~IKyWnd() = default;
};
