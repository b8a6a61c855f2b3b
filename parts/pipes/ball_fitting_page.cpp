#include "parts/pipes/ball_fitting_page.h"

#include "parts/pipes/ball_nipple_page.h"
#include "parts/pipes/ball_nut_page.h"

#include "ui_ball_fitting_page.h"
#include "ui_ball_nipple_page.h"
#include "ui_ball_nut_page.h"

namespace pipes {

BallFittingPage::BallFittingPage(shell::PanelContext& context, QWidget* parent, std::shared_ptr<BallPages> pages)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel94>()), pages_(std::move(pages))
{
    ui->setupUi(this);
    onClick(ui->BitBtn86, &BallFittingPage::BitBtn86Click);
    onClick(ui->BitBtn95, &BallFittingPage::BitBtn95Click);
    onClick(ui->SpeedButton17, &BallFittingPage::SpeedButton17Click);
}

BallFittingPage::~BallFittingPage() = default;

void BallFittingPage::attach(BallNipplePage* nipple, BallNutPage* nut, BallTable* table)
{
    nipple_ = nipple;
    nut_ = nut;
    table_ = table;
    const Ui::Panel96& n = nipple->form();
    const Ui::Panel95& g = nut->form();
    BallLoadTargets t;
    t.edits = {ui->Edit402, ui->Edit400, ui->Edit401, ui->Edit392, ui->Edit393, ui->Edit394, ui->Edit395,
               ui->Edit396, ui->Edit397, ui->Edit398, ui->Edit399, ui->Edit412, ui->Edit413, ui->Edit414,
               ui->Edit416, ui->Edit415, ui->Edit417, ui->Edit418, ui->Edit420, ui->Edit419,
               // the nipple
               n.Edit404, n.Edit405, n.Edit406, n.Edit407, n.Edit408, n.Edit421, n.Edit422, n.Edit423, n.Edit403,
               // the nut
               g.Edit424, g.Edit425, g.Edit426, g.Edit435, g.Edit427, g.Edit428, g.Edit430, g.Edit431, g.Edit433,
               g.Edit434, g.Edit429};
    t.gThread = ui->RadioButton31;
    table->setTargets(t);
}

void BallFittingPage::BitBtn95Click()
{
    pages_->showNipple();
}

void BallFittingPage::SpeedButton17Click()
{
    context().TableSidePanelLayout(table_);
    table_->fillSizes();
}

} // namespace pipes
