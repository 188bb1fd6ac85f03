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
    if (holders_ == 0) {
        Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
        if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) {
            token_ = 0;
            return false;
        }
    }
    ++holders_;
    return true;
}

void GdiplusSession::Release()
{
    if (holders_ <= 0)
        return;
    if (--holders_ == 0) {
        Gdiplus::GdiplusShutdown(token_);
        token_ = 0;
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
