#include "figure/stretches.h"

namespace figure {

void headFirst(Assembly&) {}

} // namespace figure
