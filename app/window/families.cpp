#include "app/window/families.h"

#include "parts/metal/metal_panels.h"
#include "parts/design/design_panels.h"
#include "parts/pipes/pipes_panels.h"
#include "parts/seals/seal_panels.h"
#include "parts/fasteners/fastener_panels.h"
#include "parts/transmissions/transmissions_panels.h"
#include "figure/figure_panels.h"
#include "sheets/sheet_panels.h"

namespace app {

std::vector<CreatePanels> partFamilies()
{
    return {
        &metal::createPanels,
        &design::createPanels,
        &pipes::createPanels,
        &seals::createPanels,
        &fasteners::createPanels,
        &transmissions::createPanels,
        &figure::createPanels,
        &sheets::createPanels,
    };
}

} // namespace app
