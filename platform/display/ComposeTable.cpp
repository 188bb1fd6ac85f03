#include "platform/display/ComposeTable.h"

#include <cstdlib>

namespace platform {

WithoutComposeTable::WithoutComposeTable()
{
    if (std::getenv("XCOMPOSEFILE") != nullptr) return;
    named = setenv("XCOMPOSEFILE", "/dev/null", 0) == 0;
}

WithoutComposeTable::~WithoutComposeTable()
{
    if (named) unsetenv("XCOMPOSEFILE");
}

}  // namespace platform
