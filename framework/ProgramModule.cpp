#include "framework/ProgramModule.h"

HINSTANCE ProgramModule()
{
    static const HINSTANCE module = GetModuleHandleW(nullptr);
    return module;
}
