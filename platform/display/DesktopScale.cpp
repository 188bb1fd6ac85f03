// The desktop's own scale: what GTK and Qt programs on the same screen use.
#include "platform/display/DisplayScale.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace platform {
namespace {

double Number(const char* text)
{
    if (!text) return 0;
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return end != text ? value : 0;
}

// Xft.dpi from the resources the desktop loaded into the X server (the root
// window's RESOURCE_MANAGER): one round trip, without creating a window.
// Asked through xcb: an Xlib connection would set up its keyboard and
// locale handling, twice what this takes, for one property.
double XftDpi()
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    double dpi = 0;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
        if (screens.rem > 0) {
            // Resources are text of a few kilobytes; a megabyte is more than any desktop loads.
            const xcb_get_property_cookie_t cookie = xcb_get_property(
                connection, 0, screens.data->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 1 << 18);
            if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
                const std::string resources(static_cast<const char*>(xcb_get_property_value(reply)),
                                            static_cast<size_t>(xcb_get_property_value_length(reply)));
                dpi = XftDpiIn(resources.c_str());
                std::free(reply);
            }
        }
    }
    xcb_disconnect(connection);
    return dpi;
}

}  // namespace

double XftDpiIn(const char* resources)
{
    if (!resources || !*resources) return 0;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    if (!database) return 0;
    double dpi = 0;
    char* type = nullptr;
    XrmValue value{};
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) dpi = Number(value.addr);
    XrmDestroyDatabase(database);
    return dpi;
}

double DesktopScale()
{
    if (double gdk = Number(std::getenv("GDK_SCALE")); gdk > 0) return NearestDisplayScale(gdk);
    if (std::getenv("DISPLAY") == nullptr) return 1;
    return NearestDisplayScale(XftDpi() / 96);
}

}  // namespace platform
