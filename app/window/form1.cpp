#include "app/window/form1.h"

#include "app/shell/errorbox.h"
#include "app/window/attachment.h"
#include "app/window/info_panels.h"
#include "app/window/navigation.h"
#include "app/window/toolbar.h"
#include "resources/panel_pictures.h"
#include "ui_form1.h"

#include <QLayout>
#include <QScreen>

// The window's pictures live in this static library; the controls help
// shows the table glyphs of the panels' pictures.
static void initWindowResources()
{
    Q_INIT_RESOURCE(window);
    resources::registerPanelPictures();
}

namespace app {

namespace {
constexpr int kClientWidth = 599;
constexpr int kClientHeight = 533;
} // namespace

TForm1::TForm1(const std::vector<CreatePanels>& families, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TForm1>())
{
    initWindowResources();
    ui_->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // The client area, and every panel in it, in the tooltip-background
    // colour with an 11-pixel font; the menu keeps the system's look. The
    // client area has a fixed size, and the window follows it.
    QWidget* client = ui_->ClientArea;
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    client->setFont(font);
    client->setFixedSize(kClientWidth, kClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createInformationPanels(client);
    for (CreatePanels create : families)
        create(*this, client);
    navigation_ = std::make_unique<Navigation>(client);
    navigation_->placePanels();
    navigation_->connectControls(this);
    toolbar_ = std::make_unique<Toolbar>(ui_->Panel5);
    toolbar_->connectControls(this);

    adjustSize();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    shell::runProcedure([this] { attachToDrawing(AcadDocument1); });
}

void TForm1::NetPan()
{
    navigation_->NetPan();
}

void TForm1::FullPanelLayout(QWidget* panel)
{
    navigation_->FullPanelLayout(panel);
}

void TForm1::SidePanelLayout(QWidget* panel)
{
    navigation_->SidePanelLayout(panel);
}

void TForm1::TableSidePanelLayout(QWidget* sidePanel)
{
    navigation_->TableSidePanelLayout(sidePanel);
}

int TForm1::outerWidth() const
{
    return navigation_->outerWidth();
}

QWidget* TForm1::clientArea() const
{
    return ui_->ClientArea;
}

} // namespace app
