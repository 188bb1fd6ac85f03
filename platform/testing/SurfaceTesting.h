// The census of live cairo surfaces that no GDI object owns (pictures and
// the copies made while drawing), kept apart from the GDI object count so
// that count means what GetGuiResources means on Windows. Windows has no
// such surfaces and answers 0.
#pragma once

namespace kytest {

unsigned LiveSurfaceCount();

}  // namespace kytest
