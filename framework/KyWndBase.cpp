#include "framework/KyWndBase.h"

#include "framework/KyWndRegistry.h"

KyWndBase::KyWndBase()
{
    KyWndRegistry::Register(this);
}

KyWndBase::~KyWndBase()
{
    DestroyOwnWindow();
    DestroyBuffers();
    KyWndRegistry::Unregister(this);
}

HWND KyWndBase::GetHwnd()
{
    return hwnd;
}

void KyWndBase::SetMinTrackSize(int width, int height)
{
    minTrackWidth = width;
    minTrackHeight = height;
}

bool KyWndBase::OnBaseTimer()
{
    return true;
}

bool KyWndBase::PaintsItself()
{
    return false;
}

bool KyWndBase::IsDoubleBuffered()
{
    return true;
}

bool KyWndBase::HasSecondBuffer()
{
    return false;
}

void KyWndBase::DestroyOwnWindow()
{
    if (hwnd == nullptr)
        return;
    HWND window = hwnd;
    hwnd = nullptr;
    DestroyWindow(window);
}

void KyWndBase::DestroyBuffers()
{
    backDc.Destroy();
    secondDc.Destroy();
    bufferWidth = 0;
    bufferHeight = 0;
}
