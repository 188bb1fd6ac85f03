#include "platform/user/Timers.h"
#include "platform/kernel/FaultInjection.h"

#include <algorithm>
#include <vector>

#include "platform/user/Clock.h"
#include "platform/user/WindowTree.h"

namespace platform::user {
namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT interval;
    uint64_t due;
    TIMERPROC proc;
};

std::vector<Timer>& timers()
{
    static std::vector<Timer> list;
    return list;
}

// Windows' limits: USER_TIMER_MINIMUM and USER_TIMER_MAXIMUM.
constexpr UINT kMinimumInterval = 10;
constexpr UINT kMaximumInterval = 0x7FFFFFFF;

Timer* FindTimer(HWND hwnd, UINT_PTR id)
{
    for (Timer& t : timers())
        if (t.hwnd == hwnd && t.id == id) return &t;
    return nullptr;
}

}  // namespace

bool NextDueTimer(MSG* msg, HWND filter, UINT min, UINT max, bool remove)
{
    if (!(min == 0 && max == 0) && (WM_TIMER < min || WM_TIMER > max)) return false;
    uint64_t now = CurrentClock().NowMs();
    Timer* best = nullptr;
    for (Timer& t : timers()) {
        if (t.due > now) continue;
        if (filter && t.hwnd != filter && !IsAncestor(filter, t.hwnd)) continue;
        if (!best || t.due < best->due) best = &t;
    }
    if (!best) return false;
    *msg = MSG{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), static_cast<DWORD>(now), {}};
    if (remove) best->due = now + best->interval;
    return true;
}

bool NextTimerDue(uint64_t* time)
{
    auto& list = timers();
    if (list.empty()) return false;
    *time = std::min_element(list.begin(), list.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; })->due;
    return true;
}

DWORD MillisecondsToNextTimer()
{
    uint64_t due;
    if (!NextTimerDue(&due)) return INFINITE;
    uint64_t now = CurrentClock().NowMs();
    return due <= now ? 0 : static_cast<DWORD>(std::min<uint64_t>(due - now, kMaximumInterval));
}

void KillTimersOf(HWND hwnd)
{
    std::erase_if(timers(), [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

bool IsTimerProcedure(TIMERPROC proc)
{
    return proc && std::any_of(timers().begin(), timers().end(), [proc](const Timer& t) { return t.proc == proc; });
}

unsigned TimerCount() { return static_cast<unsigned>(timers().size()); }

}  // namespace platform::user

using namespace platform::user;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    if (hwnd && !Find(hwnd)) return 0;
    if (platform::faults::ShouldFail(platform::faults::Site::Timer)) return 0;
    elapse = std::clamp(elapse, kMinimumInterval, kMaximumInterval);
    uint64_t due = platform::CurrentClock().NowMs() + elapse;
    if (!hwnd) {
        // Thread timers get their ids from the system, as on Windows.
        static UINT_PTR nextId = 0x7FFE;
        if (!id || !FindTimer(nullptr, id)) id = nextId++;
    }
    if (Timer* t = FindTimer(hwnd, id)) {
        *t = Timer{hwnd, id, elapse, due, proc};
        return id;
    }
    timers().push_back(Timer{hwnd, id, elapse, due, proc});
    return id ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    auto& list = timers();
    auto it = std::find_if(list.begin(), list.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == list.end()) return FALSE;
    list.erase(it);
    return TRUE;
}
