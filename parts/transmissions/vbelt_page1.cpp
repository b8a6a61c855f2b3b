#include "parts/transmissions/vbelt_page1.h"

#include "parts/transmissions/stepped_root.h"
#include "parts/transmissions/vbelt_tables.h"

#include "ui_vbelt_page1.h"
#include "ui_vbelt_page2.h"

namespace transmissions {

VBeltPage1::VBeltPage1(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes)
    : VBeltPage(context, parent, boxes), ui(std::make_unique<Ui::Panel105>())
{
    ui->setupUi(this);
    boxes->page1 = ui.get();
    onClick(ui->BitBtn103, &VBeltPage1::BitBtn103Click);
    onClick(ui->BitBtn104, &VBeltPage1::BitBtn104Click);
    onClick(ui->BitBtn105, &VBeltPage1::BitBtn105Click);
    onClick(ui->BitBtn106, &VBeltPage1::BitBtn106Click);
}

VBeltPage1::~VBeltPage1() = default;

void VBeltPage1::BitBtn103Click()
{
    const double P1 = readFloat(ui->Edit459);
    const double n = readFloat(ui->Edit460);
    const double w1 = n * 2 * pi / 60;
    const double M1 = 1000 * P1 / w1;
    write73(ui->Edit462, M1);
    write73(ui->Edit472, w1);
    const Recommendation& r = recommendationFor(M1);
    ui->Edit463->setText(QString::fromUtf8(r.normal));
    ui->Edit464->setText(QString::fromUtf8(r.narrow));
    writeFloat(ui->Edit465, r.normalDmin, 3, 0);
    writeFloat(ui->Edit466, r.narrowDmin, 3, 0);
}

void VBeltPage1::BitBtn104Click()
{
    const double M1 = readFloat(ui->Edit462);
    const double C = readFloat(ui->Edit467);
    const double dm = C * steppedRoot(M1, 1, 3, 0.0001);
    write73(ui->Edit468, dm);
    const double u = readFloat(ui->Edit461);
    write73(ui->Edit469, dm * u);
}

void VBeltPage1::BitBtn105Click()
{
    const double w1 = readFloat(ui->Edit472);
    const double dm = readFloat(ui->Edit470);
    write73(ui->Edit473, w1 * dm / 2000);
}

void VBeltPage1::BitBtn106Click()
{
    Ui::Panel106& p2 = *boxes().page2;
    // Step 4: the slow pulley; step 5: the actual ratio.
    const double e = readFloat(ui->Edit474);
    double dm = readFloat(ui->Edit470);
    const double w1 = readFloat(ui->Edit472);
    double db = readFloat(ui->Edit471);
    const double w2 = dm * w1 * (1 - e) / db;
    write73(ui->Edit475, w2);
    write73(p2.Edit476, w1 / w2);
    // Step 6: the peripheral force.
    const double M1 = readFloat(ui->Edit462);
    dm = readFloat(ui->Edit470);
    write73(p2.Edit477, 2 * M1 * 1000 / dm);
    // Step 7: the optimal centre distance, from the ratio as written.
    const double u = readFloat(p2.Edit476);
    const double t = steppedRoot(u, 1, 3, 0.00001);
    db = readFloat(ui->Edit471);
    write73(p2.Edit478, 1.5 * db / t);
    // Step 8: the two length terms and the belt length.
    db = readFloat(ui->Edit471);
    dm = readFloat(ui->Edit470);
    const double delta1 = (db + dm) * pi / 2;
    write73(p2.Edit479, delta1);
    const double delta2 = ((db - dm) / 2) * ((db - dm) / 2);
    write73(p2.Edit480, delta2);
    const double a = readFloat(p2.Edit478);
    const double d1 = readFloat(p2.Edit479);
    write73(p2.Edit481, 2 * a + d1 + delta2 / a);
}

} // namespace transmissions
