#include "figure/stretches.h"

namespace figure {

void trunkCore(Assembly&) {}

} // namespace figure
