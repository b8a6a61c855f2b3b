#include "parts/pipes/pipes_panels.h"

#include "parts/pipes/ball_fitting_page.h"
#include "parts/pipes/ball_nipple_page.h"
#include "parts/pipes/ball_nut_page.h"
#include "parts/pipes/ball_table.h"
#include "parts/pipes/bend_panel.h"
#include "parts/pipes/flat_flange_panel.h"
#include "parts/pipes/head_panel.h"
#include "parts/pipes/hose_panel.h"
#include "parts/pipes/ribbed_panels.h"
#include "parts/pipes/square_flange_panel.h"

#include "app/shell/part_panel.h"
#include "resources/panel_pictures.h"

#include <memory>

namespace pipes {

using shell::collapseAt;
namespace {

// The ball connection's three pages and its pipe sizes beside them.
void createBallConnection(shell::PanelContext& context, QWidget* clientArea)
{
    auto pages = std::make_shared<BallPages>();
    auto* fitting = new BallFittingPage(context, clientArea, pages);
    auto* nipple = new BallNipplePage(context, clientArea, pages);
    auto* nut = new BallNutPage(context, clientArea, pages);
    auto* table = new BallTable(context, clientArea);
    *pages = {fitting, nipple, nut};
    fitting->attach(nipple, nut, table);
    collapseAt(fitting, 0, 50);
    collapseAt(nipple, 0, 257);
    collapseAt(nut, 0, 257);
    collapseAt(table, 601, 0);
}

} // namespace

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    collapseAt(new HeadPanel(context, clientArea), 0, 50);
    collapseAt(new BendPanel(context, clientArea), 0, 50);
    collapseAt(new SquareFlangePanel(context, clientArea), 0, 50);
    collapseAt(new FlatFlangePanel(context, clientArea), 0, 50);
    createBallConnection(context, clientArea);
    collapseAt(new HosePanel(context, clientArea), 0, 50);
    collapseAt(new CapPanel(context, clientArea), 0, 50);
    collapseAt(new CouplingPanel(context, clientArea), 0, 50);
}

} // namespace pipes
