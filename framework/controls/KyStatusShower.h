// The status strip: a list window of tips and messages. Tips are added once
// and stay black; messages blink twice in red and then stay. The newest entry
// is scrolled into view; a double click copies an entry's text.
#pragma once

#include "framework/controls/KyList.h"
#include "platform/win32.h"

class KyStatusShower {
public:
    static constexpr int kRowHeight = 20;
    static constexpr uint32_t kLineStep = 5;

    KyStatusShower() = default;
    virtual ~KyStatusShower() = default;
    KyStatusShower(const KyStatusShower&) = delete;
    KyStatusShower& operator=(const KyStatusShower&) = delete;

    // Creates and shows the list as a child of `parent`; false when it
    // already exists or cannot be created.
    bool Show(HWND parent, HDC background);
    // Places the list at `area` (parent's client coordinates).
    bool Move(const RECT& area);
    // False for a null text or before Show.
    bool AddTip(const wchar_t* text);
    bool AddMessage(const wchar_t* text);

    KyList& List() { return list; }

private:
    bool Add(const wchar_t* text, uint32_t flickCount, COLORREF colour);

    KyList list;
};
