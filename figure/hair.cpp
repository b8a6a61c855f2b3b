#include "figure/stretches.h"

namespace figure {

void hairAndHelmet(Assembly&) {}

} // namespace figure
