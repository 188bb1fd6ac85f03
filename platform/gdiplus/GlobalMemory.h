// The blocks behind HGLOBAL handles. A moveable block's handle is the
// address of its record; a fixed block's handle is its memory, as on
// Windows. Handles are checked against the table of live blocks.
#pragma once

#include "platform/gdiplus/ole.h"

namespace platform::ole {

// Grows or shrinks a block in place of GlobalReAlloc, which the program does
// not call; used by the stream's Write. False when memory runs out.
bool ResizeBlock(HGLOBAL memory, SIZE_T bytes);

// True when `memory` is a live block.
bool IsBlock(HGLOBAL memory);

}  // namespace platform::ole
