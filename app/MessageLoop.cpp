#include "app/MessageLoop.h"

#include "platform/win32.h"

void PumpMessages()
{
    MSG message{};
    // GetMessageW answers -1 on an invalid call; that is no reason to spin,
    // so only a positive answer keeps the loop going.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
