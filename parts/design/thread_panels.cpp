#include "parts/design/thread_panels.h"

#include "ui_rod_panel.h"
#include "ui_sleeve_panel.h"

namespace design {

RodPanel::RodPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel82>())
{
    ui->setupUi(this);
    controls_ = {ui->Edit307,       ui->Edit543, ui->Edit308, ui->Edit309, ui->Edit310,
                 ui->Edit311,       ui->Edit312, ui->RadioButton17, ui->RadioButton15};
    onClick(ui->BitBtn82, &RodPanel::BitBtn82Click);
}

RodPanel::~RodPanel() = default;

void RodPanel::BitBtn82Click()
{
    drawConventionalThread(w(), ThreadTwin::Rod, controls_);
}

SleevePanel::SleevePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel90>())
{
    ui->setupUi(this);
    controls_ = {ui->Edit389,       ui->Edit391, ui->Edit390, ui->Edit388, ui->Edit385,
                 ui->Edit386,       ui->Edit387, ui->RadioButton26, ui->RadioButton28};
    onClick(ui->BitBtn94, &SleevePanel::BitBtn94Click);
}

SleevePanel::~SleevePanel() = default;

void SleevePanel::BitBtn94Click()
{
    drawConventionalThread(w(), ThreadTwin::Sleeve, controls_);
}

} // namespace design
