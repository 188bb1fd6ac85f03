// A visible top-level framework window to host the controls under test. It
// records the class messages (WM_USER and above) that reach it, which is how
// a scrollbar's notifications are observed.
#pragma once

#include "framework/KyWnd.h"
#include "platform/testing/TestPlatform.h"
#include "platform/win32.h"

#include <vector>

struct Notification {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class HostWnd : public KyWnd {
public:
    std::vector<Notification> notifications;

    bool IsDoubleBuffered() override { return false; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER)
            notifications.push_back(Notification{message, wParam, lParam});
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    bool Open(int width, int height)
    {
        if (!Create(0xB, WS_POPUP, 0, nullptr, nullptr))
            return false;
        MoveWindow(hwnd, 20, 20, width, height, TRUE);
        ShowWindow(hwnd, SW_SHOW);
        kytest::PumpUntilIdle();
        return true;
    }

    // The notifications of one message number, oldest first.
    std::vector<Notification> Seen(UINT message) const
    {
        std::vector<Notification> found;
        for (const Notification& n : notifications) {
            if (n.message == message)
                found.push_back(n);
        }
        return found;
    }
};
