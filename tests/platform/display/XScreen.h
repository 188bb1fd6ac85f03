// Reads pixels of the X screen. Kept apart from Win32 headers, whose names
// (Status, Bool) Xlib's macros would break.
#pragma once

namespace testx {

class XScreen {
public:
    XScreen();  // connects to $DISPLAY
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    bool IsOpen() const { return display_ != nullptr; }
    // 0xRRGGBB of a screen pixel; 0xDEAD0000 when it cannot be read.
    unsigned long Pixel(int x, int y) const;

private:
    void* display_;
};

}  // namespace testx
