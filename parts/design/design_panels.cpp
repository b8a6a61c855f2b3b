#include "parts/design/design_panels.h"

#include "parts/design/key_tables.h"
#include "parts/design/keyed_bore_panel.h"
#include "parts/design/metric_thread_panel.h"
#include "parts/design/slot_panel.h"
#include "parts/design/slot_table.h"
#include "parts/design/spline_bore_panel.h"
#include "parts/design/spline_table.h"
#include "parts/design/thread_panels.h"

#include "app/shell/part_panel.h"
#include "resources/panel_pictures.h"

namespace design {

using shell::collapseAt;

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    auto* slotTable = new SlotTable(context, clientArea);
    auto* keyedBore = new KeyedBorePanel(context, clientArea);
    auto* keyTables = new KeyTables(context, clientArea, keyedBore->keywayEdits());
    keyedBore->setTables(keyTables);
    auto* splineBore = new SplineBorePanel(context, clientArea);
    auto* splineTable = new SplineTable(context, clientArea, splineBore->splineEdits());
    splineBore->setTable(splineTable);

    collapseAt(new MetricThreadPanel(context, clientArea), 0, 50);
    collapseAt(new RodPanel(context, clientArea), 0, 50);
    collapseAt(new SleevePanel(context, clientArea), 0, 50);
    collapseAt(new SlotPanel(context, clientArea, slotTable), 0, 50);
    collapseAt(keyedBore, 0, 50);
    collapseAt(splineBore, 0, 50);
    collapseAt(slotTable, 601, 0);
    collapseAt(keyTables, 601, 0);
    collapseAt(splineTable, 601, 0);
}

} // namespace design
