#include "sheets/mass_panel.h"

#include "acad/fpu.h"

#include "ui_mass_panel.h"

namespace sheets {

MassPanel::MassPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel44>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn34, &MassPanel::BitBtn34Click);
}

MassPanel::~MassPanel() = default;

void MassPanel::BitBtn34Click()
{
    w().Dim00 = readFloat(ui->Edit54);
    w().Dim12 = readFloat(ui->Edit56);
    const double m = w().Dim00 * w().Dim12 / 1e9;
    acad::fpu::check();
    w().Dim07 = m;
    // Seven significant digits, three decimals; exponent form from 10^7 kg.
    writeFloat(ui->Edit55, w().Dim07, 7, 3);
}

} // namespace sheets
