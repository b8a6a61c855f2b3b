#include "figure/figure_panels.h"

#include "figure/figure_panel.h"
#include "figure/pose_pages.h"

#include "resources/panel_pictures.h"

namespace figure {

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    auto* body = new BodyPage(clientArea);
    auto* fingers = new FingerPage(clientArea);
    auto* figure = new FigurePanel(context, clientArea, body, fingers);
    // Each waits collapsed at its place until it is shown: the panel at the
    // top of the work area, the pages below its strip.
    figure->setGeometry(0, 50, 0, 0);
    body->setGeometry(0, 84, 0, 0);
    fingers->setGeometry(0, 84, 0, 0);
}

} // namespace figure
