// A window class for conformance tests that records every message its
// windows receive, and lets a test answer chosen messages itself.
#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/win32.h"

namespace testwin {

struct Entry {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message received by recording windows since the last ClearLog.
std::vector<Entry>& Log();
void ClearLog();
// The messages of the log that are in `only`, in order (other messages that
// Windows sends along, which differ between versions, are left out).
std::vector<UINT> Messages(std::initializer_list<UINT> only, HWND hwnd = nullptr);
// How many times `message` reached `hwnd` (any window when null).
int CountOf(UINT message, HWND hwnd = nullptr);
// The entries of one message, in order.
std::vector<Entry> EntriesOf(UINT message, HWND hwnd = nullptr);

// A hook sees each message first; returning true makes `result` the answer.
using Hook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT* result)>;
void SetHook(Hook hook);

// The recording class for a class style (registered on first use).
const wchar_t* ClassFor(UINT classStyle);

// A visible pop-up top-level window at a fixed place on the screen.
HWND CreateTopLevel(int x = 100, int y = 100, int width = 200, int height = 150, UINT classStyle = 0,
                    DWORD style = WS_POPUP | WS_VISIBLE);
HWND CreateChild(HWND parent, int x, int y, int width, int height, UINT classStyle = 0,
                 DWORD style = WS_CHILD | WS_VISIBLE);

// Destroys every window the helpers created that is still alive, clears
// the log, the hook and the queue. Each test fixture calls it on tear-down.
void Reset();

}  // namespace testwin
