#include "parts/transmissions/transmissions_panels.h"

#include "parts/transmissions/jaw_coupling_panel.h"
#include "parts/transmissions/vbelt_navigation.h"
#include "parts/transmissions/vbelt_page1.h"
#include "parts/transmissions/vbelt_page2.h"
#include "parts/transmissions/vbelt_page3.h"
#include "parts/transmissions/vbelt_page4.h"
#include "parts/transmissions/vbelt_page5.h"

#include "app/shell/part_panel.h"
#include "resources/panel_pictures.h"

namespace transmissions {

using shell::collapseAt;

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    // The first page stays as the title strip above the later ones.
    auto boxes = std::make_shared<VBeltBoxes>();
    collapseAt(new VBeltPage1(context, clientArea, boxes), 0, 50);
    collapseAt(new VBeltPage2(context, clientArea, boxes), 0, 74);
    collapseAt(new VBeltPage3(context, clientArea, boxes), 0, 74);
    collapseAt(new VBeltPage4(context, clientArea, boxes), 0, 74);
    collapseAt(new VBeltPage5(context, clientArea, boxes), 0, 74);
    connectPageButtons(context, clientArea);
    collapseAt(new JawCouplingPanel(context, clientArea), 0, 50);
}

} // namespace transmissions
