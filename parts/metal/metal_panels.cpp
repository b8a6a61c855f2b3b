#include "parts/metal/metal_panels.h"

#include "parts/metal/angle_panel.h"
#include "parts/metal/bent_angle_panel.h"
#include "parts/metal/bent_channel_panel.h"
#include "parts/metal/channel_catalogue.h"
#include "parts/metal/channel_panel.h"
#include "parts/metal/hexagon_panel.h"
#include "parts/metal/ibeam_panel.h"
#include "parts/metal/nozzle_panel.h"
#include "parts/metal/pipe_panel.h"
#include "parts/metal/pipe_tables.h"

#include "app/shell/part_panel.h"
#include "resources/panel_pictures.h"

namespace metal {

using shell::collapseAt;

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    auto* pipeTables = new PipeTables(context, clientArea);
    auto* channel = new ChannelPanel(context, clientArea);
    auto* catalogue = new ChannelCatalogue(context, clientArea, channel->catalogueEdits());
    channel->setCatalogue(catalogue);

    collapseAt(new PipePanel(context, clientArea, pipeTables), 0, 50);
    collapseAt(new AnglePanel(context, clientArea), 0, 50);
    collapseAt(new BentAnglePanel(context, clientArea), 0, 50);
    collapseAt(new BentChannelPanel(context, clientArea), 0, 50);
    collapseAt(new HexagonPanel(context, clientArea), 0, 50);
    collapseAt(channel, 2, 50);
    collapseAt(new IBeamPanel(context, clientArea), 0, 50);
    collapseAt(new NozzlePanel(context, clientArea), 0, 50);
    collapseAt(pipeTables, 601, 0);
    collapseAt(catalogue, 601, 0);
}

} // namespace metal
