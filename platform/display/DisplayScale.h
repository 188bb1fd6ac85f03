// The factor at which windows are rendered: every logical pixel the program
// works in covers `scale` x `scale` device pixels of the screen. The program
// never sees it; only surfaces, GDI's rasterisers and the display backend do.
#pragma once

namespace platform {

// The scale in use; 1 until SetDisplayScale chose another.
double DisplayScale();

// Chooses the scale; anything but an allowed value is rounded to the nearest
// allowed one. Call before the first window is created.
void SetDisplayScale(double scale);

// The allowed value nearest to `wanted` (1 for anything not a positive number).
double NearestDisplayScale(double wanted);

// Xft.dpi in X resources text (the root window's RESOURCE_MANAGER), as
// Xlib's resource manager matches it; 0 when it says none.
double XftDpiIn(const char* resources);

// The desktop's setting, rounded to an allowed value: GDK_SCALE, else the X
// resource Xft.dpi / 96; 1 without either.
double DesktopScale();

// Reads an allowed value written out in full ("1.5"); false for anything else.
bool ParseDisplayScale(const char* text, double* scale);

// Logical to device: the device pixel where logical pixel `logical` starts.
// Rounding, so that adjacent logical pixels tile the device ones.
int ToDevice(double logical, double scale);

// Device to logical: the logical pixel that covers device pixel `device`.
int ToLogical(int device, double scale);

}  // namespace platform
