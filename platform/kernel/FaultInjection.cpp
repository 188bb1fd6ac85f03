#include "platform/kernel/FaultInjection.h"

namespace platform::faults {
namespace {

int countdown[static_cast<int>(Site::Count)] = {};

}  // namespace

void FailNth(Site site, int n) { countdown[static_cast<int>(site)] = n > 0 ? n : 0; }

bool ShouldFail(Site site)
{
    int& left = countdown[static_cast<int>(site)];
    return left > 0 && --left == 0;
}

bool Armed(Site site) { return countdown[static_cast<int>(site)] > 0; }

}  // namespace platform::faults
