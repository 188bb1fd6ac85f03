#include "platform/user/MessageQueue.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

#include "platform/display/DisplayBackend.h"
#include "platform/kernel/kernel.h"
#include "platform/user/Clock.h"
#include "platform/user/InputState.h"
#include "platform/user/Painting.h"
#include "platform/user/Timers.h"
#include "platform/user/WindowTree.h"

namespace platform::user {
namespace {

constexpr std::size_t kPostedMessageQuota = 10000;
constexpr DWORD kNotEnoughQuota = 1816;  // ERROR_NOT_ENOUGH_QUOTA

struct Queue {
    std::deque<MSG> posted;
    std::deque<MSG> input;
    bool quitPosted = false;
    int quitCode = 0;
    LONG lastTime = 0;
};

Queue& queue()
{
    static Queue q;
    return q;
}

bool Matches(const MSG& msg, HWND filter, UINT min, UINT max)
{
    if (filter && msg.hwnd != filter && !IsAncestor(filter, msg.hwnd)) return false;
    if (min == 0 && max == 0) return true;
    return msg.message >= min && msg.message <= max;
}

bool TakeFrom(std::deque<MSG>& list, MSG* out, HWND filter, UINT min, UINT max, bool remove)
{
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (!Matches(*it, filter, min, max)) continue;
        *out = *it;
        if (remove) list.erase(it);
        return true;
    }
    return false;
}

// Input is aimed when it is retrieved, as on Windows: a press handled
// before it may have taken the capture, which then gets the mouse message.
void AimAtCapture(MSG* msg)
{
    if (msg->message < WM_MOUSEFIRST || msg->message > WM_MOUSELAST || msg->message == WM_MOUSEWHEEL) return;
    HWND capture = GetCapture();
    Window* target = capture && capture != msg->hwnd ? Find(capture) : nullptr;
    if (!target) return;
    const POINT origin = ScreenOrigin(*target);
    msg->hwnd = capture;
    msg->lParam = MAKELPARAM(msg->pt.x - origin.x, msg->pt.y - origin.y);
}

// One pass over the sources in Windows' order: posted, quit, input, paint, timers.
bool Retrieve(MSG* msg, HWND filter, UINT min, UINT max, bool remove)
{
    Queue& q = queue();
    if (TakeFrom(q.posted, msg, filter, min, max, remove)) return true;
    if (q.quitPosted) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0, MessageTimeNow(), CursorPosition()};
        if (remove) q.quitPosted = false;
        return true;
    }
    while (TakeFrom(q.input, msg, filter, min, max, remove)) {
        AimAtCapture(msg);
        if (!msg->hwnd && msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) {
            if (remove) continue;  // aimed at no window after all
            break;
        }
        if (remove) InputRetrieved(*msg);
        return true;
    }
    MSG candidate{};
    candidate.message = WM_PAINT;
    candidate.hwnd = NextWindowToPaint(filter);
    if (candidate.hwnd && Matches(candidate, filter, min, max)) {
        candidate.time = MessageTimeNow();
        candidate.pt = CursorPosition();
        *msg = candidate;
        return true;
    }
    if (NextDueTimer(msg, filter, min, max, remove)) {
        msg->pt = CursorPosition();
        return true;
    }
    return false;
}

}  // namespace

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<Window> w = Hold(hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(hwnd, message, wParam, lParam);
}

void QueueInput(const MSG& msg)
{
    auto& input = queue().input;
    if (msg.message == WM_MOUSEMOVE && !input.empty()) {
        MSG& last = input.back();
        if (last.message == WM_MOUSEMOVE && last.hwnd == msg.hwnd && last.wParam == msg.wParam) {
            last = msg;
            return;
        }
    }
    input.push_back(msg);
}

void DropMessagesFor(HWND hwnd)
{
    Queue& q = queue();
    std::erase_if(q.posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
    std::erase_if(q.input, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

DWORD MessageTimeNow() { return static_cast<DWORD>(CurrentClock().NowMs()); }

unsigned PostedCount() { return static_cast<unsigned>(queue().posted.size()); }

}  // namespace platform::user

using namespace platform::user;

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Send(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !Find(hwnd)) return FALSE;
    // Windows' per-thread quota: a runaway poster is refused instead of
    // growing the queue without bound.
    if (queue().posted.size() >= kPostedMessageQuota) {
        SetLastError(kNotEnoughQuota);
        return FALSE;
    }
    queue().posted.push_back(MSG{hwnd, message, wParam, lParam, MessageTimeNow(), CursorPosition()});
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    queue().quitPosted = true;
    queue().quitCode = exitCode;
}

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove)
{
    if (!msg || (hwnd && !Find(hwnd))) return FALSE;
    platform::Display().WaitEvents(0);
    if (Retrieve(msg, hwnd, filterMin, filterMax, (remove & PM_REMOVE) != 0)) {
        if (remove & PM_REMOVE) queue().lastTime = static_cast<LONG>(msg->time);
        return TRUE;
    }
    PresentDirtyAreas();
    return FALSE;
}

BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg || (hwnd && !Find(hwnd))) return -1;
    for (;;) {
        if (PeekMessageW(msg, hwnd, filterMin, filterMax, PM_REMOVE)) return msg->message != WM_QUIT;
        // Nothing is ready: sleep on the display until an event or the next timer.
        DWORD timeout = MillisecondsToNextTimer();
        if (!platform::Display().WaitEvents(timeout)) {
            std::fprintf(stderr, "GetMessageW: nothing is queued and nothing can arrive (manual clock or no display)\n");
            std::abort();
        }
    }
}

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg) return FALSE;
    if (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP && msg->message != WM_SYSKEYDOWN &&
        msg->message != WM_SYSKEYUP)
        return FALSE;
    // Printable characters come from the display's text input (so input
    // methods work); only the control characters Windows derives from keys
    // are made here.
    if (msg->message == WM_KEYDOWN) {
        WCHAR ch = ControlCharacterFor(static_cast<UINT>(msg->wParam));
        if (ch) PostMessageW(msg->hwnd, WM_CHAR, ch, msg->lParam);
    }
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg)
{
    if (!msg) return 0;
    // Anyone can post a WM_TIMER with any lParam; only a procedure that a
    // live timer was set with is called, and anything else is dropped.
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        if (!IsTimerProcedure(proc)) return 0;
        proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    if (!msg->hwnd) return 0;
    return Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LONG GetMessageTime() { return queue().lastTime; }
