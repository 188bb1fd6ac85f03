// The desktop's own scale: what GTK and Qt programs on the same screen use.
#include "platform/display/DisplayScale.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <cstdlib>

namespace platform {
namespace {

double Number(const char* text)
{
    if (!text) return 0;
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return end != text ? value : 0;
}

// Xft.dpi from the resources the desktop loaded into the X server; one
// round trip, without creating a window.
double XftDpi()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 0;
    double dpi = 0;
    if (const char* resources = XResourceManagerString(display)) {
        XrmInitialize();
        XrmDatabase database = XrmGetStringDatabase(resources);
        char* type = nullptr;
        XrmValue value{};
        if (database && XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) {
            dpi = Number(value.addr);
        }
        if (database) XrmDestroyDatabase(database);
    }
    XCloseDisplay(display);
    return dpi;
}

}  // namespace

double DesktopScale()
{
    if (double gdk = Number(std::getenv("GDK_SCALE")); gdk > 0) return NearestDisplayScale(gdk);
    if (std::getenv("DISPLAY") == nullptr) return 1;
    return NearestDisplayScale(XftDpi() / 96);
}

}  // namespace platform
