#include "parts/pipes/ball_nut_page.h"

#include "ui_ball_nut_page.h"

namespace pipes {

BallNutPage::BallNutPage(shell::PanelContext& context, QWidget* parent, std::shared_ptr<BallPages> pages)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel95>()), pages_(std::move(pages))
{
    ui->setupUi(this);
    onClick(ui->SpeedButton3, &BallNutPage::SpeedButton3Click);
}

BallNutPage::~BallNutPage() = default;

void BallNutPage::SpeedButton3Click()
{
    pages_->showNipple();
}

} // namespace pipes
