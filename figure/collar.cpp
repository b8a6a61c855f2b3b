#include "figure/stretches.h"

namespace figure {

void collarAndLips(Assembly&) {}

} // namespace figure
