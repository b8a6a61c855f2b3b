#include "figure/stretches.h"

namespace figure {

void headPose(Assembly&) {}

} // namespace figure
