#include "app/window/info_panels.h"

#include "ui_about_panel.h"
#include "ui_contact_panel.h"
#include "ui_controls_panel.h"
#include "ui_tips_panel.h"

#include <QFrame>

namespace app {

namespace {
// A panel whose whole content is its layout file.
template <class Layout>
void createPanel(QWidget* clientArea)
{
    Layout().setupUi(new QFrame(clientArea));
}
} // namespace

void createInformationPanels(QWidget* clientArea)
{
    createPanel<Ui::AboutPanel>(clientArea);
    createPanel<Ui::ContactPanel>(clientArea);
    createPanel<Ui::ControlsPanel>(clientArea);
    createPanel<Ui::TipsPanel>(clientArea);
}

} // namespace app
