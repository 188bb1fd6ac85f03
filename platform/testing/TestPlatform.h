// What tests need from the platform beyond Win32 itself: deterministic time,
// pumping, input injection, pixel read-back and census counts. Linked only by
// tests. On Linux it drives our own implementation through its test hooks; on
// Windows it uses the real system (real time, posted input, GetGuiResources),
// so the same test source runs on both.
#pragma once

#include "platform/win32.h"

namespace kytest {

// True when time is a manual clock (Linux); false under Windows/Wine, where
// AdvanceClock sleeps in real time.
bool HasManualClock();

// Lets `milliseconds` pass and delivers whatever falls due, then pumps.
void AdvanceClock(unsigned milliseconds);

// Lets `milliseconds` pass without retrieving or dispatching anything, so
// that a test can look at what has fallen due (Windows: Sleep).
void LetTimePass(unsigned milliseconds);

// Dispatches every message that is ready now (posted, input, paint, due
// timers) until the queue is empty. WM_QUIT is left in the queue.
void PumpUntilIdle();

// Input as the display would deliver it, in `window`'s client coordinates.
void MovePointer(HWND window, int x, int y);
void PressLeft(HWND window, int x, int y);
void ReleaseLeft(HWND window, int x, int y);
void Wheel(HWND window, int x, int y, int delta);
// Keys go to the focus window. Characters come only from TypeText here, as
// from an input method; on Windows TranslateMessage also makes WM_CHAR of
// letter and digit keys, so tests type characters rather than press them.
void KeyDown(HWND window, UINT virtualKey);
void KeyUp(HWND window, UINT virtualKey);
void TypeText(HWND window, const wchar_t* text);

// The colour of a pixel of the window as last painted (client coordinates).
COLORREF ReadPixel(HWND window, int x, int y);

// Census of live objects the process owns.
unsigned LiveWindowCount();
unsigned LiveGdiObjectCount();

// Makes the next `count` creations of pens, brushes, fonts or bitmaps fail.
// Only our own implementation can do this; Windows answers false.
enum class GdiKind { Pen, Brush, Font, Bitmap };
bool FailNextGdiCreations(GdiKind kind, int count);

}  // namespace kytest
