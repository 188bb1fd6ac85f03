// The convex view's rays are part of the scene drawing, which does not
// exist yet: nothing is drawn here until it does.
#include "views/KyViewConvex.h"

void KyViewConvex::DrawRays(HDC, const RECT&)
{
}
