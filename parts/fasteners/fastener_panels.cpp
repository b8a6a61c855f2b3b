#include "parts/fasteners/fastener_panels.h"

#include "parts/fasteners/conical_bolt_panel.h"
#include "parts/fasteners/cotter_pin_panel.h"
#include "parts/fasteners/hexagon_head_panel.h"
#include "parts/fasteners/screw_heads.h"
#include "parts/fasteners/slanted_washer_panel.h"
#include "parts/fasteners/slanted_washer_table.h"
#include "parts/fasteners/swing_bolt_panel.h"
#include "parts/fasteners/washer_panel.h"
#include "parts/fasteners/wing_nut_panel.h"

#include "app/shell/part_panel.h"
#include "resources/panel_pictures.h"

namespace fasteners {

using shell::collapseAt;

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    collapseAt(new WasherPanel(context, clientArea), 0, 50);
    collapseAt(new HexagonHeadPanel(context, clientArea), 0, 50);
    collapseAt(new ConicalBoltPanel(context, clientArea), 0, 50);
    collapseAt(new SwingBoltPanel(context, clientArea), 0, 50);
    collapseAt(new SocketHeadPanel(context, clientArea), -1, 50);
    collapseAt(new CylinderHeadPanel(context, clientArea), 0, 50);
    collapseAt(new SemicircularHeadPanel(context, clientArea), 0, 50);
    collapseAt(new CountersunkHeadPanel(context, clientArea), 0, 50);
    collapseAt(new RaisedHeadPanel(context, clientArea), 0, 50);
    collapseAt(new WingNutPanel(context, clientArea), 0, 50);
    collapseAt(new CotterPinPanel(context, clientArea), 0, 50);
    auto* slantedWasher = new SlantedWasherPanel(context, clientArea);
    auto* slantedWasherTable = new SlantedWasherTable(context, clientArea, slantedWasher->tableEdits());
    slantedWasher->setTable(slantedWasherTable);
    collapseAt(slantedWasher, 0, 50);
    collapseAt(slantedWasherTable, 601, 0);
}

} // namespace fasteners
