#include "parts/metal/metal_panels.h"

namespace metal {

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    (void)context;
    (void)clientArea;
}

} // namespace metal
