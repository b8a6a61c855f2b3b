#include "figure/stretches.h"

namespace figure {

void abdomenAndPelvis(Assembly&) {}

} // namespace figure
