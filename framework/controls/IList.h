// What an item may ask of the list that owns it: timers in its name, a
// repaint of its own row, and the brushes selected rows are drawn with.
#pragma once

#include "platform/win32.h"

#include <cstdint>

class KyItemBase;

class IList {
public:
    // A timer owned by the item; INT_MAX when none could be started.
    virtual int32_t StartItemTimer(int32_t itemId, UINT period) = 0;
    virtual bool StopItemTimer(int32_t itemId, int32_t timerId) = 0;
    virtual bool StopItemTimers(int32_t itemId) = 0;
    // Repaints the item's row later, from the message queue.
    virtual void RequestItemRepaint(const KyItemBase* item) = 0;
    virtual HBRUSH GetSelectionBrush() = 0;
    virtual HBRUSH GetInactiveSelectionBrush() = 0;

protected:
    ~IList() = default;
};
