// Where the main window puts its parts for a client area of a given size:
// a 60-pixel header with the mode button near its right end, the lens views
// below it and the status strip in the bottom 60 pixels, 2-pixel gaps between.
#pragma once

#include "platform/win32.h"

struct MainLayout {
    RECT header;
    // Child positions as (left, top, right, bottom) in client coordinates.
    RECT modeButton;
    RECT views;
    RECT status;
};

MainLayout ComputeMainLayout(int width, int height);
