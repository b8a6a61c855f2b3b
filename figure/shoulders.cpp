#include "figure/stretches.h"

namespace figure {

void rightShoulder(Assembly&) {}
void leftShoulder(Assembly&) {}

} // namespace figure
