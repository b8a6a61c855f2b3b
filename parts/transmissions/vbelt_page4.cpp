#include "parts/transmissions/vbelt_page4.h"

#include "ui_vbelt_page1.h"
#include "ui_vbelt_page2.h"
#include "ui_vbelt_page4.h"

namespace transmissions {

VBeltPage4::VBeltPage4(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes)
    : VBeltPage(context, parent, boxes), ui(std::make_unique<Ui::Panel113>())
{
    ui->setupUi(this);
    boxes->page4 = ui.get();
    onClick(ui->BitBtn109, &VBeltPage4::BitBtn109Click);
    onClick(ui->BitBtn110, &VBeltPage4::BitBtn110Click);
}

VBeltPage4::~VBeltPage4() = default;

void showFormulaLine(Ui::Panel113& page, bool narrow)
{
    struct Size {
        QLabel* label;
        int width, height;
    };
    const Size normal[] = {{page.Label779, 0, 0},   {page.Label789, 0, 0},   {page.Label782, 0, 0},
                           {page.Label778, 0, 0},   {page.Label781, 0, 0},   {page.Label784, 528, 15},
                           {page.Label785, 376, 15}, {page.Label786, 21, 14}, {page.Label787, 21, 14},
                           {page.Label788, 6, 14}};
    const Size narrowLine[] = {{page.Label779, 491, 15}, {page.Label789, 129, 15}, {page.Label782, 31, 14},
                               {page.Label778, 301, 15}, {page.Label781, 7, 14},   {page.Label784, 0, 0},
                               {page.Label785, 0, 0},    {page.Label786, 0, 0},    {page.Label787, 0, 0},
                               {page.Label788, 0, 0}};
    for (const Size& s : narrow ? narrowLine : normal)
        s.label->resize(s.width, s.height);
}

void VBeltPage4::BitBtn109Click()
{
    Ui::Panel106& p2 = *boxes().page2;
    // Step 13: the number of belts.
    const double Ft = readFloat(p2.Edit477);
    const double K = readFloat(ui->Edit490);
    const double A1 = readFloat(ui->Edit493);
    const double estimated = Ft / (K * A1);
    write73(ui->Edit492, estimated);
    const double Cz = readFloat(ui->Edit491);
    write73(ui->Edit494, estimated / Cz);
    // Step 14: the traction coefficient and the tension ratio.
    const double Calpha = readFloat(p2.Edit487);
    const double Cp = readFloat(p2.Edit488);
    const double psi = 0.67 * Calpha * Cp;
    write73(ui->Edit496, psi);
    write73(ui->Edit497, (1 + psi) / (1 - psi));
}

void VBeltPage4::BitBtn110Click()
{
    Ui::Panel105& p1 = *boxes().page1;
    Ui::Panel106& p2 = *boxes().page2;
    // Step 15: the centrifugal tension (ρ in kg/m³, A1 in mm²) and the branches.
    const double rho = readFloat(ui->Edit498);
    const double A1 = readFloat(ui->Edit493);
    const double V = readFloat(p1.Edit473);
    const double Fc = V * V * A1 * rho / 1e6;
    write73(ui->Edit499, Fc);
    const double Ft = readFloat(p2.Edit477);
    const double m = readFloat(ui->Edit497);
    write73(ui->Edit500, Ft * m / (m - 1) + Fc);
    write73(ui->Edit501, Ft / (m - 1) + Fc);
}

} // namespace transmissions
