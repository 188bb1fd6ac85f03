// The concave view's rays are part of the scene drawing, which does not
// exist yet: nothing is drawn here until it does.
#include "views/KyViewConcave.h"

void KyViewConcave::DrawRays(HDC, const RECT&)
{
}
