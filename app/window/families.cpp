#include "app/window/families.h"

#include "parts/metal/metal_panels.h"
#include "parts/fasteners/fastener_panels.h"

namespace app {

std::vector<CreatePanels> partFamilies()
{
    return {
        &metal::createPanels,
        &fasteners::createPanels,
    };
}

} // namespace app
