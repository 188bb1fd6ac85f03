// Pumping is plain Win32, so both test platforms share it.
#include "platform/testing/TestPlatform.h"

namespace kytest {
namespace {

// A loop that keeps painting or posting forever is a fault in the test
// subject; stop rather than hang.
constexpr int kMaxMessagesPerPump = 100000;

}  // namespace

void PumpUntilIdle()
{
    MSG msg;
    for (int i = 0; i < kMaxMessagesPerPump && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace kytest
