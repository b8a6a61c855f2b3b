#include "figure/stretches.h"

namespace figure {

void shoes(Assembly&) {}

} // namespace figure
