// The clipboard, as far as the program puts Unicode text on it. The data
// stays in this process; its text reaches other programs through the
// display (platform/display), which the headless display keeps in memory.
#pragma once

#include "platform/types.h"

#define CF_TEXT 1
#define CF_UNICODETEXT 13

#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CLIPBOARD_NOT_OPEN 1418L

BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
// Only CF_UNICODETEXT with a live global memory block; the clipboard then
// owns the block and frees it when it is emptied or replaced.
HANDLE SetClipboardData(UINT format, HANDLE data);
HANDLE GetClipboardData(UINT format);
