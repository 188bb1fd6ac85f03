#include "XScreen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace testx {

XScreen::XScreen() : display_(nullptr)
{
    // A busy X server now and then refuses a connection: try for a second.
    for (int attempt = 0; attempt < 20 && !display_; ++attempt) {
        display_ = XOpenDisplay(nullptr);
        if (!display_) usleep(50000);
    }
}

XScreen::~XScreen()
{
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

unsigned long XScreen::Pixel(int x, int y) const
{
    auto* d = static_cast<Display*>(display_);
    if (!d) return 0xDEAD0000;
    XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xDEAD0000;
    unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

}  // namespace testx
