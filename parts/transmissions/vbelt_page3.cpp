#include "parts/transmissions/vbelt_page3.h"

#include "parts/transmissions/stepped_root.h"
#include "parts/transmissions/vbelt_page4.h"
#include "parts/transmissions/vbelt_tables.h"

#include "ui_vbelt_page1.h"
#include "ui_vbelt_page2.h"
#include "ui_vbelt_page3.h"
#include "ui_vbelt_page4.h"
#include "ui_vbelt_page5.h"

#include <cmath>

namespace transmissions {

VBeltPage3::VBeltPage3(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes)
    : VBeltPage(context, parent, boxes), ui(std::make_unique<Ui::Panel110>())
{
    ui->setupUi(this);
    boxes->page3 = ui.get();
    onClick(ui->BitBtn108, &VBeltPage3::BitBtn108Click);
}

VBeltPage3::~VBeltPage3() = default;

int VBeltPage3::selectedSection() const
{
    const QRadioButton* buttons[] = {ui->RadioButton45, ui->RadioButton46, ui->RadioButton47,
                                     ui->RadioButton48, ui->RadioButton49, ui->RadioButton52,
                                     ui->RadioButton53, ui->RadioButton54, ui->RadioButton55};
    for (int k = 0; k < 9; ++k)
        if (buttons[k]->isChecked())
            return k;
    return 0;
}

void VBeltPage3::BitBtn108Click()
{
    Ui::Panel105& p1 = *boxes().page1;
    Ui::Panel106& p2 = *boxes().page2;
    Ui::Panel113& p4 = *boxes().page4;
    Ui::Panel116& p5 = *boxes().page5;
    const double runs = readFloat(p2.Edit485);
    const double dm = readFloat(p1.Edit470);
    const double Ku = readFloat(p2.Edit486);
    const double V = readFloat(p1.Edit473);

    // The section's dimensions, onto page 5 and into the hidden area box.
    const BeltSection& s = kBeltSections[selectedSection()];
    const std::pair<QLineEdit*, double> dimensions[] = {
        {p4.Edit493, s.A1}, {p5.Edit505, s.bp}, {p5.Edit506, s.H},  {p5.Edit507, s.b},  {p5.Edit508, s.f},
        {p5.Edit509, s.e},  {p5.Edit510, s.r},  {p5.Edit515, s.h}, {p5.Edit516, s.Yo}, {p5.Edit517, s.Bo}};
    for (const auto& [edit, value] : dimensions)
        write73(edit, value);

    // Step 12: the initial useful stress by the formula of the belt's kind.
    double Ko = 0;
    if (!s.narrow) {
        const double t = steppedRoot(runs, 9, 100, 0.00001);
        const double v = steppedRoot(s.bp, 157, 100, 0.00001);
        Ko = 5.55 / t - 6 * v / (dm * Ku) - V * V / 1000;
    } else {
        const double t = steppedRoot(s.bp, 421, 1000, 0.00001);
        Ko = (27.1 - 2.214879 * std::log(runs)) / t - 49 * s.bp / (dm * Ku) - 1.12 * V * V / 1000;
    }
    if (Ko < 0)
        Ko = 0;
    write73(p4.Edit489, Ko);
    showFormulaLine(p4, s.narrow);

    // Step 13: the permissible useful stress.
    const double Calpha = readFloat(p2.Edit487);
    const double Cp = readFloat(p2.Edit488);
    write73(p4.Edit490, Ko * Calpha * Cp);
}

} // namespace transmissions
