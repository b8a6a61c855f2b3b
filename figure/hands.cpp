#include "figure/stretches.h"

namespace figure {

void hands(Assembly&) {}

} // namespace figure
