// The program starts here on both systems: Windows calls wWinMain itself, on
// Linux the platform's main calls it after opening the display.
#include "app/CenterWindow.h"
#include "app/KyMainWnd.h"
#include "app/MessageLoop.h"
#include "platform/win32.h"

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    KyMainWnd mainWnd;
    if (!mainWnd.CreateMain()) {
        // No window means no quit message ever: the loop would wait for ever.
        std::fprintf(stderr, "lens-demo: the main window could not be created (error %lu)\n",
                     static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    CenterWindow(mainWnd.GetHwnd());
    ShowWindow(mainWnd.GetHwnd(), SW_SHOWMAXIMIZED);
    PumpMessages();
    return 0;
}
