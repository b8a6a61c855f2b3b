#include "parts/pipes/pipes_panels.h"

#include "parts/pipes/bend_panel.h"
#include "parts/pipes/flat_flange_panel.h"
#include "parts/pipes/head_panel.h"
#include "parts/pipes/square_flange_panel.h"

#include "app/shell/part_panel.h"
#include "resources/panel_pictures.h"

namespace pipes {

using shell::collapseAt;

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    collapseAt(new HeadPanel(context, clientArea), 0, 50);
    collapseAt(new BendPanel(context, clientArea), 0, 50);
    collapseAt(new SquareFlangePanel(context, clientArea), 0, 50);
    collapseAt(new FlatFlangePanel(context, clientArea), 0, 50);
}

} // namespace pipes
