#include "images/GdiplusSession.h"

GdiplusSession& GdiplusSession::Instance()
{
    // Kept trivially destructible: picture objects with static storage may
    // still release their hold while other statics are being torn down.
    static GdiplusSession session;
    return session;
}

bool GdiplusSession::Acquire()
{
    if (holders == 0) {
        Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
        if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
            token = 0;
            return false;
        }
    }
    ++holders;
    return true;
}

void GdiplusSession::Release()
{
    if (holders <= 0)
        return;
    if (--holders == 0) {
        Gdiplus::GdiplusShutdown(token);
        token = 0;
    }
}

bool AcquireGdiplus()
{
    return GdiplusSession::Instance().Acquire();
}

void ReleaseGdiplus()
{
    GdiplusSession::Instance().Release();
}
