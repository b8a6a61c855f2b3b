#include "parts/transmissions/jaw_coupling_panel.h"

#include "parts/transmissions/jaw_coupling.h"

#include "ui_jaw_coupling_panel.h"

namespace transmissions {

JawCouplingPanel::JawCouplingPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel88>())
{
    ui->setupUi(this);
    torques_ = {ui->RadioButton36, ui->RadioButton37, ui->RadioButton38, ui->RadioButton39, ui->RadioButton40,
                ui->RadioButton41, ui->RadioButton42, ui->RadioButton43, ui->RadioButton44};
    onClick(ui->BitBtn84, &JawCouplingPanel::BitBtn84Click);
    onClick(ui->BitBtn100, &JawCouplingPanel::BitBtn100Click);
}

JawCouplingPanel::~JawCouplingPanel() = default;

int JawCouplingPanel::selectedTorque() const
{
    for (int k = 0; k < int(torques_.size()); ++k)
        if (torques_[k]->isChecked())
            return k;
    return int(torques_.size()) - 1;
}

void JawCouplingPanel::BitBtn84Click()
{
    acad::WorkingFields& w = this->w();
    const CouplingRow& row = couplingRows[selectedTorque()];
    const JawForm jaws = ui->RadioButton34->isChecked() ? JawForm::Cross : JawForm::Star;
    const HalfCouplingEdits column1{ui->Edit432, ui->Edit437, ui->Edit439, ui->Edit441, ui->Edit443,
                                    ui->Edit446, ui->Edit445, ui->Edit449, ui->Edit451};
    const HalfCouplingEdits column2{ui->Edit436, ui->Edit438, ui->Edit440, ui->Edit442, ui->Edit444,
                                    ui->Edit447, ui->Edit448, ui->Edit450, ui->Edit452};

    drawCouplingElement(w, row);
    drawHalfCoupling(w, row, jaws, column2, halfCoupling2);
    // The star left some of the row's sizes lowered.
    writeCouplingRow(w, row);
    drawHalfCoupling(w, row, jaws, column1, halfCoupling1);
}

void JawCouplingPanel::BitBtn100Click()
{
    drawFreeElement(w(), freeElements[selectedTorque()]);
}

} // namespace transmissions
