#include "figure/stretches.h"

namespace figure {

void headFace(Assembly&) {}

} // namespace figure
