#include "app/window/families.h"

#include "parts/metal/metal_panels.h"
#include "parts/design/design_panels.h"
#include "figure/figure_panels.h"

namespace app {

std::vector<CreatePanels> partFamilies()
{
    return {
        &metal::createPanels,
        &design::createPanels,
        &figure::createPanels,
    };
}

} // namespace app
