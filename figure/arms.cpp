#include "figure/stretches.h"

namespace figure {

void arms(Assembly&) {}

} // namespace figure
