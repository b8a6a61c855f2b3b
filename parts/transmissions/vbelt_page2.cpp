#include "parts/transmissions/vbelt_page2.h"

#include "parts/transmissions/vbelt_tables.h"

#include "ui_vbelt_page1.h"
#include "ui_vbelt_page2.h"
#include "ui_vbelt_page5.h"

#include <cmath>

namespace transmissions {

VBeltPage2::VBeltPage2(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes)
    : VBeltPage(context, parent, boxes), ui(std::make_unique<Ui::Panel106>())
{
    ui->setupUi(this);
    boxes->page2 = ui.get();
    onClick(ui->BitBtn107, &VBeltPage2::BitBtn107Click);
}

VBeltPage2::~VBeltPage2() = default;

void VBeltPage2::BitBtn107Click()
{
    Ui::Panel105& p1 = *boxes().page1;
    Ui::Panel116& p5 = *boxes().page5;
    // Step 9: the centre distance for the standard belt length.
    double L = readFloat(ui->Edit482);
    const double delta1 = readFloat(ui->Edit479);
    const double delta2 = readFloat(ui->Edit480);
    const double free = L - delta1;
    write73(ui->Edit483, 0.25 * (free + std::sqrt(free * free - 8 * delta2)));
    // Step 10: the wrap angles of both pulleys.
    const double db = readFloat(p1.Edit471);
    const double dm = readFloat(p1.Edit470);
    const double a = readFloat(ui->Edit483);
    const double alpha1 = 180 - 60 * (db - dm) / a;
    write73(ui->Edit484, alpha1);
    write73(p5.Edit512, alpha1);
    write73(p5.Edit513, 180 + 60 * (db - dm) / a);
    // Step 11: the run frequency and the correction factors.
    const double V = readFloat(p1.Edit473);
    L = readFloat(ui->Edit482);
    write73(ui->Edit485, 1000 * V / L);
    write72(ui->Edit486, ratioFactor(readFloat(ui->Edit476)));
    write72(ui->Edit487, wrapFactor(readFloat(ui->Edit484)));
}

} // namespace transmissions
