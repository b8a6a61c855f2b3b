#include "parts/seals/seal_panels.h"

#include "parts/seals/clamp_panel.h"
#include "parts/seals/clamp_table.h"
#include "parts/seals/collar_panel.h"
#include "parts/seals/collar_table.h"
#include "parts/seals/face_seal_panel.h"
#include "parts/seals/radial_seal_panel.h"
#include "parts/seals/shaft_cuff_panel.h"

#include "app/shell/part_panel.h"
#include "resources/panel_pictures.h"

namespace seals {

using shell::collapseAt;

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    auto* collar = new CollarPanel(context, clientArea);
    auto* table = new CollarTable(context, clientArea, collar->tableEdits());
    collar->setTable(table);

    collapseAt(new FaceSealPanel(context, clientArea), 0, 50);
    collapseAt(new RadialSealPanel(context, clientArea), 0, 50);
    collapseAt(new ShaftCuffPanel(context, clientArea), 0, 50);
    collapseAt(collar, 0, 50);
    collapseAt(table, 601, 0);

    auto* clamp = new ClampPanel(context, clientArea);
    auto* clampTable = new ClampTable(context, clientArea, clamp->tableEdits());
    clamp->setTable(clampTable);
    collapseAt(clamp, 0, 50);
    collapseAt(clampTable, 601, 0);
}

} // namespace seals
