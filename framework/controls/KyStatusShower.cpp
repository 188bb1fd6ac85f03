#include "framework/controls/KyStatusShower.h"

#include "framework/controls/KyStatusFlickItem.h"

#include <climits>

bool KyStatusShower::Show(HWND parent, HDC background)
{
    if (list.GetHwnd() != nullptr)
        return false;
    if (!list.CreateChild(parent, background))
        return false;
    list.DeselectAll();
    list.SetRowHeight(kRowHeight);
    list.VerticalBar().SetLineStep(kLineStep);
    ShowWindow(list.GetHwnd(), SW_SHOWNORMAL);
    return true;
}

bool KyStatusShower::Move(const RECT& area)
{
    if (list.GetHwnd() == nullptr)
        return false;
    MoveWindow(list.GetHwnd(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    return true;
}

bool KyStatusShower::AddTip(const wchar_t* text)
{
    return Add(text, 0, KyStatusFlickItem::kTipColour);
}

bool KyStatusShower::AddMessage(const wchar_t* text)
{
    return Add(text, KyStatusFlickItem::kMessageFlicks, KyStatusFlickItem::kMessageColour);
}

bool KyStatusShower::Add(const wchar_t* text, uint32_t flickCount, COLORREF colour)
{
    if (text == nullptr || list.GetHwnd() == nullptr)
        return false;
    const KyStatusFlickItem entry(text, flickCount, colour);
    return list.AddItem(entry) != INT_MAX;
}
