#include "figure/stretches.h"

namespace figure {

void legs(Assembly&) {}

} // namespace figure
