#include "sheets/sheet_panels.h"

#include "sheets/formats_panel.h"
#include "sheets/mass_panel.h"

#include "resources/panel_pictures.h"

namespace sheets {

void createPanels(shell::PanelContext& context, QWidget* clientArea)
{
    resources::registerPanelPictures();
    // Each panel waits collapsed at its place in the window until it is shown.
    (new FormatsPanel(context, clientArea))->setGeometry(0, 50, 0, 0);
    (new MassPanel(context, clientArea))->setGeometry(0, 50, 0, 0);
}

} // namespace sheets
