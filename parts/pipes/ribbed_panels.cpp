#include "parts/pipes/ribbed_panels.h"

#include "parts/pipes/ribbed_body.h"

#include "ui_cap_panel.h"
#include "ui_coupling_panel.h"

namespace pipes {

CapPanel::CapPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel87>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn90, &CapPanel::BitBtn90Click);
}

CapPanel::~CapPanel() = default;

void CapPanel::BitBtn90Click()
{
    // D, f, L, L1, R1, R2, R3 into Dim00, Dim05, Dim06, Dim02, Dim07, Dim08, Dim09.
    drawRibbedBody(w(), {{{ui->Edit358, 0},
                          {ui->Edit359, 5},
                          {ui->Edit355, 6},
                          {ui->Edit356, 2},
                          {ui->Edit357, 7},
                          {ui->Edit360, 8},
                          {ui->Edit361, 9}},
                         &capProfile,
                         {ui->Edit362, ui->Edit364, ui->Edit365, ui->Edit366, ui->Edit367, ui->Edit363, ui->Edit369,
                          ui->Edit368, ui->Edit370}});
}

CouplingPanel::CouplingPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel89>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn92, &CouplingPanel::BitBtn92Click);
}

CouplingPanel::~CouplingPanel() = default;

void CouplingPanel::BitBtn92Click()
{
    // D, f, L, R2, R3 into Dim00, Dim05, Dim06, Dim08, Dim09.
    drawRibbedBody(w(), {{{ui->Edit371, 0}, {ui->Edit372, 5}, {ui->Edit373, 6}, {ui->Edit374, 8}, {ui->Edit375, 9}},
                         &couplingProfile,
                         {ui->Edit376, ui->Edit377, ui->Edit378, ui->Edit379, ui->Edit380, ui->Edit383, ui->Edit382,
                          ui->Edit381, ui->Edit384}});
}

} // namespace pipes
